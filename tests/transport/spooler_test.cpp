#include "channel_fixture.h"
#include "support/private_cupsd.h"
#include "transport/port_discovery.h"

#include <chrono>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <thread>

namespace tessaline {
namespace {

// Sets an environment variable, or unsets it for null, until the end of the scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::vector<std::string> queueNames(const PrintSpooler& spooler) {
    std::vector<std::string> names;
    for (const PrintQueue& q : spooler.listQueues())
        names.push_back(q.name);
    return names;
}

class Spooler : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateCupsd::installed())
            GTEST_SKIP() << "cupsd is not installed; spooler tests skipped";
        cupsd = std::make_unique<PrivateCupsd>();
        ASSERT_TRUE(cupsd->running());
    }
    bool paused(const std::string& name) const {
        for (const PrintQueue& q : spooler.listQueues())
            if (q.name == name) return q.paused;
        return false;
    }
    std::unique_ptr<PrivateCupsd> cupsd;
    PrintSpooler spooler;
};

TEST_F(Spooler, QueueTableDescribesThePortBehindEveryQueue) {
    ASSERT_TRUE(cupsd->addQueue("net", "socket://127.0.0.1:9101"));
    ASSERT_TRUE(
        cupsd->addQueue("Serial", "serial:/dev/ttyS0?baud=19200+bits=8+parity=none+flow=soft"));
    ASSERT_TRUE(cupsd->addQueue("lpt", "parallel:/dev/lp0"));
    ASSERT_TRUE(cupsd->addQueue("other", "file:///dev/null"));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/lpadmin", "-d", "lpt"}));
    QueueTable table = ListPrinterQueues(spooler, DeviceDiscovery("/nonexistent", "/nonexistent"));
    EXPECT_EQ(table.names, (std::vector<std::string>{"lpt", "net", "other", "Serial"}));
    EXPECT_EQ(table.ports["net"], "127.0.0.1, 9101");
    EXPECT_EQ(table.kinds["net"], 5);
    EXPECT_EQ(table.ports["Serial"], "/dev/ttyS0, 19200, 8, 1, None, Xon/Xoff");
    EXPECT_EQ(table.kinds["Serial"], 2);
    EXPECT_EQ(table.ports["lpt"], "/dev/lp0");
    EXPECT_EQ(table.kinds["lpt"], 3);
    EXPECT_EQ(table.ports["other"], "file:///dev/null");
    EXPECT_EQ(table.kinds["other"], 0);
    EXPECT_EQ(table.defaultQueue, "lpt");
}

TEST_F(Spooler, QueuesOnTheSerialPortInUseArePausedUntilTheCloseAndOnlyThose) {
    TempTree tree;
    std::string link = tree.path("ttySIM");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(sim.running());
    ASSERT_TRUE(cupsd->addQueue("first", "serial:" + sim.address() + "?baud=9600"));
    ASSERT_TRUE(cupsd->addQueue("second", "serial:" + link));
    ASSERT_TRUE(cupsd->addQueue("elsewhere", "serial:/dev/ttyS0?baud=9600"));
    ASSERT_TRUE(cupsd->addQueue("userPaused", "serial:" + link));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/cupsdisable", "userPaused"}));

    ChannelSetup setup = fastSetup();
    setup.handOverQueues = true;
    CPortChannel channel(setup);
    ChannelSelection selection = deviceSelection(InterfaceKind::Serial, link);
    ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
    EXPECT_EQ(channel.pausedQueues(), (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(paused("first"));
    EXPECT_TRUE(paused("second"));
    EXPECT_FALSE(paused("elsewhere"));
    CloseSelectedInterface(channel, selection);
    EXPECT_FALSE(paused("first"));
    EXPECT_FALSE(paused("second"));
    EXPECT_TRUE(paused("userPaused")); // the user's own pause stays
}

TEST_F(Spooler, QueuesOnAParallelPortArePausedOnlyAroundTheOpen) {
    TempTree tree;
    std::string link = tree.path("lp0");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(cupsd->addQueue("lpt", "parallel:" + link));
    ChannelSetup setup = fastSetup();
    setup.handOverQueues = true;
    CPortChannel channel(setup);
    ChannelSelection selection = deviceSelection(InterfaceKind::Parallel, link);
    ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Send));
    EXPECT_FALSE(paused("lpt"));
    EXPECT_TRUE(channel.pausedQueues().empty());
    CloseSelectedInterface(channel, selection);
}

TEST_F(Spooler, RawDocumentReachesThePrinterOrReportsWhyNot) {
    TempTree tree;
    std::string record = tree.path("record.bin");
    SimProcess sim({"--record", record});
    ASSERT_TRUE(cupsd->addQueue("raw", "socket://127.0.0.1:" + std::to_string(sim.port())));
    ASSERT_TRUE(cupsd->addQueue("closed", "socket://127.0.0.1:9"));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/cupsreject", "closed"}));
    std::string bytes = request(RequestKind::StandardConfig);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto size = static_cast<uint32_t>(bytes.size());

    uint32_t written = 0;
    // The library opens a file or two for its own use once per process; after that, every
    // exchange with the spooler gives back what it took.
    SendRawDocument(spooler, "missing", data, size, &written);
    const int descriptors = openDescriptorCount();
    EXPECT_EQ(SendRawDocument(spooler, "raw", data, size, &written), ChannelCode::Ok);
    EXPECT_EQ(written, size);
    std::string got;
    for (int i = 0; i < 200 && got.find(bytes) == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        got = readFile(record);
    }
    EXPECT_NE(got.find(bytes), std::string::npos) << "the job did not reach the printer";

    EXPECT_EQ(SendRawDocument(spooler, "missing", data, size, &written), ChannelCode::OpenFailed);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(SendRawDocument(spooler, "closed", data, size, &written), ChannelCode::WriteFault);
    spooler.listQueues();
    EXPECT_EQ(openDescriptorCount(), descriptors);
}

TEST_F(Spooler, ServerIsTheSetOneElseTheEnvironmentsElseTheClientConfigurations) {
    ASSERT_TRUE(cupsd->addQueue("only", "file:///dev/null"));
    TempTree tree;
    const std::string ours = cupsd->socketPath();
    const std::string none = "/nonexistent/cups.sock";
    auto conf = [](const std::string& server) {
        return "# client settings\nServerName /nonexistent/early.sock\n  servername\t" + server +
               "   # the later one counts\n";
    };
    const struct {
        const char* what;
        std::string set, environment, user, system;
        bool found;
    } cases[] = {
        {"set before the environment", ours, none, "", "", true},
        {"environment before the files", "", ours, none, none, true},
        {"environment even when wrong", "", none, ours, ours, false},
        {"user's file", "", "", ours, none, true},
        {"user's file even when wrong", "", "", none, ours, false},
        {"system's file", "", "", "", ours, true},
    };
    for (const auto& c : cases) {
        TempTree home, etc;
        if (!c.user.empty()) home.write(".cups/client.conf", conf(c.user));
        if (!c.system.empty()) etc.write("client.conf", conf(c.system));
        ScopedVariable homeVariable("HOME", home.path().c_str());
        ScopedVariable root("CUPS_SERVERROOT", etc.path().c_str());
        ScopedVariable server("CUPS_SERVER",
                              c.environment.empty() ? nullptr : c.environment.c_str());
        SetPrintSpoolerServer(c.set.empty() ? nullptr : c.set.c_str());
        // The library reads HOME and CUPS_SERVERROOT once in each thread, at its first call
        // there; the environment and the files themselves it reads at every call.
        std::vector<std::string> names;
        std::thread([&] { names = queueNames(spooler); }).join();
        EXPECT_EQ(names, c.found ? std::vector<std::string>{"only"} : std::vector<std::string>{})
            << c.what;
    }
    SetPrintSpoolerServer(ours.c_str());
}

TEST_F(Spooler, QueueOperationsReachTheSetServerWithoutHelpFromTheEnvironment) {
    ASSERT_TRUE(cupsd->addQueue("q", "file:///dev/null"));
    ScopedVariable server("CUPS_SERVER", nullptr);
    SetPrintSpoolerServer(cupsd->socketPath().c_str());
    EXPECT_TRUE(spooler.pauseQueue("q"));
    EXPECT_TRUE(paused("q"));
    // The library keeps a server for each thread; the set one reaches the others too.
    std::thread([&] {
        EXPECT_TRUE(spooler.resumeQueue("q"));
        EXPECT_FALSE(paused("q"));
    }).join();
    EXPECT_FALSE(paused("q"));
}

// Two threads, each with a spooler of its own, list their queues and send documents at the
// same time: one through the process's spooler, one through a spooler it names itself.
TEST_F(Spooler, ThreadsUseTheirSpoolersAtOnceWithoutMixingThemUp) {
    PrivateCupsd second;
    ASSERT_TRUE(second.running());
    SetPrintSpoolerServer(cupsd->socketPath().c_str()); // the second one took it over
    ScopedVariable server("CUPS_SERVER", nullptr);
    TempTree tree;
    struct Side {
        const PrivateCupsd& cupsd;
        PrintSpooler spooler;
        std::string queue;
        std::string record;
        std::unique_ptr<SimProcess> sim;
        std::vector<std::string> wrong; // what went amiss
    };
    Side sides[] = {{*cupsd, PrintSpooler(), "first", tree.path("first.bin"), nullptr, {}},
                    {second,
                     PrintSpooler(second.socketPath()),
                     "second",
                     tree.path("second.bin"),
                     nullptr,
                     {}}};
    for (Side& side : sides) {
        side.sim = std::make_unique<SimProcess>(
            std::vector<std::string>{"--tcp", "127.0.0.1:0", "--record", side.record});
        ASSERT_TRUE(side.sim->running());
        ASSERT_TRUE(side.cupsd.addQueue(side.queue,
                                        "socket://127.0.0.1:" + std::to_string(side.sim->port())));
    }
    constexpr int kRounds = 5;
    auto document = [](const Side& side, int round) {
        return "<" + side.queue + " document " + std::to_string(round) + ">";
    };
    auto work = [&](Side& side) {
        for (int round = 0; round < kRounds; ++round) {
            if (queueNames(side.spooler) != std::vector<std::string>{side.queue})
                side.wrong.push_back("listing " + std::to_string(round));
            const std::string bytes = document(side, round);
            uint32_t written = 0;
            const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
            if (side.spooler.sendRawDocument(side.queue, {data, bytes.size()}, written) !=
                    RawDocumentOutcome::Done ||
                written != bytes.size())
                side.wrong.push_back("document " + std::to_string(round));
        }
    };
    std::thread other([&] { work(sides[1]); });
    work(sides[0]);
    other.join();
    for (Side& side : sides) {
        EXPECT_EQ(side.wrong, std::vector<std::string>{}) << side.queue;
        std::string got;
        for (int i = 0; i < 200 && got.find(document(side, kRounds - 1)) == std::string::npos;
             ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            got = readFile(side.record);
        }
        for (int round = 0; round < kRounds; ++round)
            EXPECT_NE(got.find(document(side, round)), std::string::npos)
                << side.queue << " " << round;
        const Side& otherSide = &side == &sides[0] ? sides[1] : sides[0];
        EXPECT_EQ(got.find(otherSide.queue), std::string::npos) << side.queue;
    }
}

TEST_F(Spooler, UsersOwnDefaultGoesBeforeTheSpoolers) {
    ASSERT_TRUE(cupsd->addQueue("lpt", "parallel:/dev/lp0"));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/lpadmin", "-d", "lpt"}));
    const struct {
        const char *lpdest, *printer, *expected;
    } cases[] = {
        {nullptr, nullptr, "lpt"},
        {"mine", "other", "mine"},
        {nullptr, "other", "other"},
        {nullptr, "lp", "lpt"}, // the traditional name stands for no choice
    };
    for (const auto& c : cases) {
        ScopedVariable lpdest("LPDEST", c.lpdest);
        ScopedVariable printer("PRINTER", c.printer);
        EXPECT_EQ(spooler.defaultQueue(), c.expected)
            << (c.lpdest ? c.lpdest : "-") << " " << (c.printer ? c.printer : "-");
    }
}

TEST(SpoolerAbsent, NoSpoolerMeansNoQueuesAndSoftFailuresAtOnce) {
    // A socket nobody listens at, and a loopback port nobody listens at.
    for (const char* server : {"/nonexistent/cups.sock", "127.0.0.1:9"}) {
        SCOPED_TRACE(server);
        SetPrintSpoolerServer(server);
        const auto start = std::chrono::steady_clock::now();
        PrintSpooler spooler;
        EXPECT_TRUE(spooler.listQueues().empty());
        EXPECT_EQ(spooler.defaultQueue(), "");
        {
            ScopedVariable lpdest("LPDEST", "mine");
            EXPECT_EQ(spooler.defaultQueue(), "");
        }
        EXPECT_FALSE(spooler.pauseQueue("any"));
        uint32_t written = 5;
        EXPECT_EQ(
            SendRawDocument(spooler, "any", reinterpret_cast<const uint8_t*>("x"), 1, &written),
            ChannelCode::OpenFailed);
        EXPECT_TRUE(ListPrinterQueues(spooler, DeviceDiscovery()).names.empty());
        // Nothing waits for the connect time limit: refusals are immediate.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
    SetPrintSpoolerServer(nullptr);
}

// A loopback port whose connections the kernel accepts but nobody ever reads or answers.
class SilentListener {
public:
    SilentListener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::listen(fd_, 8) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { ::close(fd_); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

TEST(SpoolerAbsent, ASpoolerThatNeverAnswersIsGivenUp) {
    SilentListener silent;
    ASSERT_NE(silent.port(), 0);
    SetPrintSpoolerServer(("127.0.0.1:" + std::to_string(silent.port())).c_str());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(PrintSpooler().listQueues().empty());
    // The reply time limit (ten seconds), with room for a loaded machine.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    SetPrintSpoolerServer(nullptr);
}

} // namespace
} // namespace tessaline
