// A configuration or machine-information reply is taken only when it is whole: it has its END
// line and no zero byte before it. A printer that stops halfway or sends a zero byte gives an
// error that says how many bytes came, never half a configuration.

#include "session/printer_session.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace tessaline {
namespace {

// The serial port of a printer behind a pseudo-terminal.
ChannelSelection serialPort(const std::string& path) {
    ChannelSelection serial;
    serial.kind = InterfaceKind::Serial;
    serial.portName = path;
    return serial;
}

// A serial printer behind a pseudo-terminal that answers the first request with `reply`.
class PtyPrinter {
public:
    explicit PtyPrinter(std::string reply) : reply_(std::move(reply)) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        path_ = ::ptsname(master_);
        answering_ = std::thread([this] { answer(); });
    }
    ~PtyPrinter() {
        stop_ = true;
        if (answering_.joinable()) answering_.join();
        if (master_ >= 0) ::close(master_);
    }
    const std::string& path() const { return path_; }

private:
    void answer() {
        std::string got;
        while (!stop_ && got.find("EXIT\r\n") == std::string::npos) {
            pollfd wait{master_, POLLIN, 0};
            if (::poll(&wait, 1, 20) <= 0 || !(wait.revents & POLLIN)) continue;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) got.append(buffer, static_cast<size_t>(n));
        }
        if (!stop_) (void)!::write(master_, reply_.data(), reply_.size());
    }

    std::string reply_;
    int master_ = -1;
    std::string path_;
    std::thread answering_;
    std::atomic<bool> stop_{false};
};

const std::string kHead = std::string(CommandPrefix);
const std::string kSettings = "PRINT SPEED\t:\t6 IPS\r\nPRINT DARKNESS\t:\t12\r\n";

TEST(ReplyCompleteness, HalfARepliesAndZeroBytesAreRefusedWithTheirByteCounts) {
    struct Case {
        const char* name;
        std::string reply;
        int code; // 0: taken
        std::string detail;
    };
    const Case cases[] = {
        {"whole", kHead + kSettings + "END\r\n", 0, ""},
        {"bytes after the END line", kHead + kSettings + "END\r\nXY", 0, ""},
        {"cut inside a value", kHead + "PRINT SPEED\t:\t6 IPS\r\nPRINT DARKNESS\t:\t1", 82,
         "stopped after 56 bytes without its END line"},
        {"no END line at a line start", kHead + kSettings + "NO_END\r\n", 82,
         "without its END line"},
        {"zero byte inside",
         kHead + "PRINT SPEED\t:\t6 IPS\r\n" + std::string(1, '\0') + "\r\nEND\r\n", 32,
         "zero byte at byte 39"},
    };
    ChannelSetup fast;
    fast.timings = ChannelTimings{}.scaled(0.2);
    fast.handOverQueues = false;
    for (const auto& c : cases) {
        PtyPrinter printer(c.reply);
        ASSERT_FALSE(printer.path().empty());
        PrinterSession session(SessionSetup{fast, nullptr, nullptr});
        session.select(serialPort(printer.path()));
        const auto received = session.receiveConfiguration(RequestKind::AllConfig, true);
        EXPECT_EQ(received.messageCode(), c.code) << c.name;
        if (c.code == 0) {
            EXPECT_EQ(received->reply, c.reply) << c.name;
            continue;
        }
        EXPECT_EQ(received.error().cause, FailureCause::ReplyIncomplete) << c.name;
        const std::string detail = RenderDetail(received.error().detail, Region::English);
        EXPECT_NE(detail.find(c.detail), std::string::npos) << c.name << ": " << detail;
    }
}

// The self-information receives ask for machine information as a plain request; it must be held
// to its END line there too, not only through machineInformation().
TEST(ReplyCompleteness, MachineInformationIsTakenOnlyWholeHoweverItIsAsked) {
    const std::string whole = kHead + "Model Number\t:\tRV-940\r\nSerial Number\t:\tA1\r\nEND\r\n";
    const std::string cut = kHead + "Model Number\t:\tRV-940\r\nSerial Num";
    ChannelSetup fast;
    fast.timings = ChannelTimings{}.scaled(0.2);
    fast.handOverQueues = false;
    for (const bool plainRequest : {true, false}) {
        for (const std::string& reply : {whole, cut}) {
            PtyPrinter printer(reply);
            ASSERT_FALSE(printer.path().empty());
            PrinterSession session(SessionSetup{fast, nullptr, nullptr});
            session.select(serialPort(printer.path()));
            const auto received =
                plainRequest ? session.request(RequestKind::MachineInfo, EmulationKind::Zebra)
                             : session.machineInformation();
            if (reply == whole) {
                EXPECT_EQ(received.messageCode(), 0) << plainRequest;
                continue;
            }
            EXPECT_EQ(received.messageCode(), 82) << plainRequest;
            EXPECT_EQ(received.error().cause, FailureCause::ReplyIncomplete) << plainRequest;
        }
    }
}

TEST(ReplyCompleteness, ATricklingSerialPrinterIsGivenUpAtTheReplyDeadline) {
    TempTree tree;
    const std::string pty = tree.path("ttySIM");
    // A byte comes before every look at the line, so the read time-out (tested only while the
    // line is quiet) never runs out.
    SimProcess sim({"--pty", pty, "--trickle", "30"});
    ASSERT_TRUE(sim.running());
    ChannelSetup setup;
    setup.timings = ChannelTimings{}.scaled(0.2);
    setup.timings.replyDeadline = std::chrono::seconds(2);
    setup.handOverQueues = false;
    PrinterSession session(SessionSetup{setup, nullptr, nullptr});
    ChannelSelection serial;
    serial.kind = InterfaceKind::Serial;
    serial.portName = pty;
    session.select(serial);
    const auto start = std::chrono::steady_clock::now();
    const auto received = session.receiveConfiguration(RequestKind::AllConfig, true);
    EXPECT_EQ(received.messageCode(), 82);
    EXPECT_EQ(received.error().channel, ChannelCode::WaitTimeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

} // namespace
} // namespace tessaline
