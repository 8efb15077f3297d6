// How the calls of a session fail: without an interface, at a port that refuses, with a print
// file that is not there, and when another thread cancels them.

#include "session/printer_session.h"
#include "session_fixture.h"
#include "support/recording_io_runner.h"

#include <atomic>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace tessaline::session_test {
namespace {

template <typename T> std::optional<SessionError> errorOf(const SessionResult<T>& result) {
    if (result) return std::nullopt;
    return result.error();
}

struct CallCase {
    const char* name;
    std::function<std::optional<SessionError>(PrinterSession&)> call;
    // Without an interface: the direct exchanges refuse before opening anything; a send tries to
    // open what is selected and fails to.
    int codeWithoutInterface;
    FailureCause causeWithoutInterface;
};

const std::vector<CallCase>& everyCall() {
    static const std::vector<CallCase> calls = {
        {"receive",
         [](PrinterSession& s) {
             return errorOf(s.receiveConfiguration(RequestKind::AllConfig, false));
         },
         code::kNoInterface, FailureCause::NoInterface},
        {"status", [](PrinterSession& s) { return errorOf(s.status(EmulationKind::Zebra)); },
         code::kNoInterface, FailureCause::NoInterface},
        {"counters", [](PrinterSession& s) { return errorOf(s.counters()); }, code::kNoInterface,
         FailureCause::NoInterface},
        {"machine information", [](PrinterSession& s) { return errorOf(s.machineInformation()); },
         code::kNoInterface, FailureCause::NoInterface},
        {"machine emulation", [](PrinterSession& s) { return errorOf(s.machineEmulation()); },
         code::kNoInterface, FailureCause::NoInterface},
        {"request",
         [](PrinterSession& s) {
             return errorOf(s.request(RequestKind::AdvancedConfig, EmulationKind::Native));
         },
         code::kNoInterface, FailureCause::NoInterface},
        {"sensor adjustment",
         [](PrinterSession& s) {
             return errorOf(s.sensorAdjustment("AUTO CALIBRATION\r\nEND\r\n"));
         },
         code::kNoInterface, FailureCause::NoInterface},
        {"print test", [](PrinterSession& s) { return errorOf(s.printTest(TestPrint::Sample)); },
         code::kNoInterface, FailureCause::NoInterface},
        {"print file", [](PrinterSession& s) { return errorOf(s.printFile("/dev/null")); },
         code::kNoInterface, FailureCause::NoInterface},
        {"send configuration",
         [](PrinterSession& s) { return errorOf(s.sendConfiguration("END\r\n")); },
         code::kOpenError, FailureCause::OpenFailed},
    };
    return calls;
}

TEST(SessionErrors, WithoutAnInterfaceDirectCallsOpenNothing) {
    for (const CallCase& c : everyCall()) {
        RecordingIoRunner steps;
        PrinterSession session(fastSetup(&steps));
        const auto error = c.call(session);
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->messageCode, c.codeWithoutInterface) << c.name;
        EXPECT_EQ(error->cause, c.causeWithoutInterface) << c.name;
        const bool refusedBeforeOpening = c.codeWithoutInterface == code::kNoInterface;
        EXPECT_EQ(steps.count(kOpeningStep), refusedBeforeOpening ? 0 : 1) << c.name;
        EXPECT_EQ(steps.count(kSendingStep), 0) << c.name;
        EXPECT_EQ(error->detail.phrase(), DetailPhrase::NoInterface) << c.name;
        EXPECT_EQ(RenderDetail(error->detail, Region::English),
                  "No interface the program can open is chosen. Choose a port, an address or a "
                  "print queue.")
            << c.name;
    }
}

TEST(SessionErrors, APortThatRefusesIsAnOpenError) {
    int port = 0;
    {
        SimProcess gone({"--tcp", "127.0.0.1:0"});
        ASSERT_TRUE(gone.running());
        port = gone.port();
    } // nothing listens there any more
    for (const CallCase& c : everyCall()) {
        RecordingIoRunner steps;
        PrinterSession session(fastSetup(&steps));
        session.select(loopback(port));
        const auto error = c.call(session);
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->messageCode, code::kOpenError) << c.name;
        EXPECT_EQ(error->cause, FailureCause::OpenFailed) << c.name;
        EXPECT_EQ(error->open.cause, OpenFailureCause::Refused) << c.name;
        const std::string where = "127.0.0.1:" + std::to_string(port);
        EXPECT_EQ(RenderDetail(error->detail, Region::English),
                  where + ": the printer refused the connection. Check the address, the port "
                          "number and that the printer is on.")
            << c.name;
        EXPECT_EQ(RenderDetail(error->detail, Region::Korean),
                  where + ": 프린터가 연결을 거부했습니다. 주소, 포트 번호, 프린터 전원을 "
                          "확인하십시오.")
            << c.name;
        EXPECT_EQ(steps.count(kSendingStep), 0) << c.name;
        EXPECT_EQ(session.openKind(), InterfaceKind::None) << c.name;
    }
}

// The file is opened once the interface is; its error number is kept for the message.
TEST(SessionErrors, AMissingPrintFileKeepsTheSystemsErrorNumber) {
    TempTree tree;
    RecordedPrinter printer;
    ASSERT_TRUE(printer.running());
    PrinterSession session(fastSetup());
    session.select(printer.selection());
    auto result = session.printFile(tree.path("missing.prn"));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.messageCode(), code::kPrintFileError);
    EXPECT_EQ(result.error().cause, FailureCause::PrintFileUnreadable);
    EXPECT_EQ(result.error().channel, ChannelResult::System(ENOENT));
    EXPECT_EQ(result.error().channel.osError, ENOENT);
    EXPECT_EQ(RenderDetail(result.error().detail, Region::English),
              "The print file " + tree.path("missing.prn") + " cannot be read.");
    EXPECT_EQ(session.openKind(), InterfaceKind::None);
    EXPECT_EQ(printer.received(), std::vector<std::string>{""});
}

// Another thread cancels a call that waits for a silent printer: the call ends as cancelled,
// with no message to show and the interface closed.
TEST(SessionErrors, ACallCancelledFromAnotherThreadEndsCancelled) {
    RecordedPrinter printer({"--silent"});
    ASSERT_TRUE(printer.running());
    PrinterSession session(fastSetup());
    session.select(printer.selection());
    std::atomic<bool> done = false;
    std::optional<SessionResult<std::string>> result;
    std::thread caller([&] {
        result = session.machineInformation();
        done = true;
    });
    // A cancel before the call has begun reaches nothing, so it is repeated until the call ends.
    while (!done) {
        session.cancel();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    caller.join();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->cancelled());
    EXPECT_EQ(result->messageCode(), code::kNone);
    EXPECT_EQ(result->error().channel, ChannelCode::Cancelled);
    EXPECT_EQ(session.openKind(), InterfaceKind::None);
    // The next call runs normally again.
    EXPECT_EQ(session.status(EmulationKind::Native).error().cause, FailureCause::NoReply);
}

} // namespace
} // namespace tessaline::session_test
