#include "channel_fixture.h"
#include "support/fake_ipp_server.h"
#include "support/ipp_bytes.h"
#include "support/private_cupsd.h"
#include "transport/port_discovery.h"

#include <chrono>
#include <dlfcn.h>
#include <optional>
#include <thread>

namespace tessaline {
namespace {

bool cupsLibraryLoaded() {
    void* library = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library) ::dlclose(library);
    return library != nullptr;
}

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

// Listing queues happens at every start of the program, so it must not load the CUPS library
// and the thirty libraries behind it. Checked in a process of its own, which no earlier test
// can have made load the library.
TEST(SpoolerStartUp, QueuesAndDefaultAreListedWithoutLoadingTheCupsLibrary) {
    if (!PrivateCupsd::installed()) GTEST_SKIP() << "cupsd is not installed";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto listAndExit = [] {
        int code = 0;
        {
            PrivateCupsd cupsd;
            PrintSpooler spooler;
            if (!cupsd.running() || !cupsd.addQueue("lpt", "parallel:/dev/lp0") ||
                !cupsd.run({"/usr/sbin/lpadmin", "-d", "lpt"}))
                code = 3;
            else if (queueNames(spooler) != std::vector<std::string>{"lpt"} ||
                     spooler.defaultQueue() != "lpt")
                code = 2;
            else if (cupsLibraryLoaded())
                code = 1;
            // The library, loaded only now, gets the server that was set before.
            ::unsetenv("CUPS_SERVER");
            if (code == 0 && !spooler.pauseQueue("lpt")) code = 4;
        }
        std::fprintf(stderr, "outcome %d\n", code);
        std::exit(code);
    };
    // 1: the library was loaded, 2: wrong queues, 3: the spooler did not start, 4: the library
    // missed the server
    EXPECT_EXIT(listAndExit(), ::testing::ExitedWithCode(0), "outcome 0");
}

TEST(SpoolerStartUp, AHostIsLeftToTheCupsLibrary) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto listAndExit = [] {
        SetPrintSpoolerServer("127.0.0.1:9"); // nobody listens there
        const bool empty = PrintSpooler().listQueues().empty();
        std::exit(empty && cupsLibraryLoaded() ? 0 : 1);
    };
    EXPECT_EXIT(listAndExit(), ::testing::ExitedWithCode(0), "");
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
        EXPECT_EQ(queueNames(spooler),
                  c.found ? std::vector<std::string>{"only"} : std::vector<std::string>{})
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
    EXPECT_TRUE(spooler.resumeQueue("q"));
    EXPECT_FALSE(paused("q"));
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

// Replies no real spooler would send: only printer groups count, only names that are names.
TEST(SpoolerReplies, QueuesComeOnlyFromWellFormedPrinterGroups) {
    using namespace ipp_bytes;
    const std::string lpt = printerGroup() + name("printer-name", "lpt") +
                            uri("device-uri", "parallel:/dev/lp0") +
                            enumeration("printer-state", 3);
    const struct {
        const char* what;
        uint16_t status;
        std::string groups;
        std::vector<std::string> queues; // name, device, paused
    } cases[] = {
        {"two printers",
         0,
         operationGroup() + lpt + printerGroup() +
             attribute(0x36, "printer-name", withLanguage("en", "Serial")) +
             enumeration("printer-state", 5) + end(),
         {"lpt parallel:/dev/lp0 running", "Serial  paused"}},
        {"name of the wrong kind",
         0,
         operationGroup() + printerGroup() + enumeration("printer-name", 1) + lpt + end(),
         {"lpt parallel:/dev/lp0 running"}},
        {"state of the wrong kind",
         0,
         printerGroup() + name("printer-name", "lpt") + name("printer-state", "5") + end(),
         {"lpt  running"}},
        {"name outside a printer group",
         0,
         operationGroup() + name("printer-name", "job") + tag(0x05) + name("printer-name", "x") +
             end(),
         {}},
        {"error status", 0x0406, operationGroup() + lpt + end(), {}},
        {"cut short", 0, operationGroup() + lpt, {}},
    };
    for (const auto& c : cases) {
        FakeIppServer server([&](const std::string& request) {
            return FakeIppServer::ok(head(c.status, requestId(FakeIppServer::body(request))) +
                                     c.groups);
        });
        SetPrintSpoolerServer(server.path().c_str());
        std::vector<std::string> queues;
        for (const PrintQueue& q : PrintSpooler().listQueues())
            queues.push_back(q.name + " " + q.deviceUri + (q.paused ? " paused" : " running"));
        EXPECT_EQ(queues, c.queues) << c.what;
    }
    SetPrintSpoolerServer(nullptr);
}

TEST(SpoolerAbsent, NoSpoolerMeansNoQueuesAndSoftFailures) {
    SetPrintSpoolerServer("/nonexistent/cups.sock");
    PrintSpooler spooler;
    EXPECT_TRUE(spooler.listQueues().empty());
    EXPECT_EQ(spooler.defaultQueue(), "");
    {
        ScopedVariable lpdest("LPDEST", "mine");
        EXPECT_EQ(spooler.defaultQueue(), "");
    }
    EXPECT_FALSE(spooler.pauseQueue("any"));
    uint32_t written = 5;
    EXPECT_EQ(SendRawDocument(spooler, "any", reinterpret_cast<const uint8_t*>("x"), 1, &written),
              ChannelCode::OpenFailed);
    EXPECT_TRUE(ListPrinterQueues(spooler, DeviceDiscovery()).names.empty());
    SetPrintSpoolerServer(nullptr);
}

} // namespace
} // namespace tessaline
