// A session call cancelled from another thread ends at once with its interface closed, also
// where the printer would keep it waiting for seconds.

#include "session/io_runner.h"
#include "session/printer_session.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace tessaline {
namespace {

using Clock = std::chrono::steady_clock;

// The bound is 200 ms; the rest is room for a loaded machine and the sanitizer builds.
constexpr auto kCancelBound = std::chrono::milliseconds(200 + 250);
constexpr auto kCancelAfter = std::chrono::milliseconds(300);

// The simulator `sim` over loopback TCP.
ChannelSelection loopback(const SimProcess& sim) {
    ChannelSelection printer;
    printer.kind = InterfaceKind::Network;
    printer.portName = "127.0.0.1";
    printer.portNumber = std::to_string(sim.port());
    return printer;
}

struct CancelCase {
    const char* name;
    std::vector<std::string> simArgs;
    std::function<bool(PrinterSession&, const TempTree&)>
        call; // true when the result says Cancelled
};

TEST(SessionCancel, ALongCallEndsSoonAfterCancelWithTheInterfaceClosed) {
    TempTree tree;
    // More than a slow printer takes in the few seconds the test would otherwise wait.
    tree.write("big.prn", std::string(4 << 20, 'x'));
    const CancelCase cases[] = {
        {"receive from a silent printer",
         {"--silent"},
         [](PrinterSession& s, const TempTree&) {
             return s.receiveConfiguration(RequestKind::AllConfig, true).cancelled();
         }},
        {"sensor adjustment of a silent printer",
         {"--silent"},
         [](PrinterSession& s, const TempTree&) {
             return s
                 .sensorAdjustment("MEDIA SENSOR\t:\tGAP\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n")
                 .cancelled();
         }},
        {"print file to a printer that stops reading",
         {"--stop-reading"},
         [](PrinterSession& s, const TempTree& t) {
             return s.printFile(t.path("big.prn")).cancelled();
         }},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--tcp", "127.0.0.1:0"};
        args.insert(args.end(), c.simArgs.begin(), c.simArgs.end());
        SimProcess sim(args);
        ASSERT_TRUE(sim.running()) << c.name;
        PrinterSession session(SessionSetup{{}, nullptr, nullptr});
        session.select(loopback(sim));

        bool cancelled = false;
        Clock::time_point ended;
        std::thread call([&] {
            cancelled = c.call(session, tree);
            ended = Clock::now();
        });
        std::this_thread::sleep_for(kCancelAfter);
        const auto asked = Clock::now();
        session.cancel();
        call.join();
        EXPECT_TRUE(cancelled) << c.name;
        EXPECT_LT(ended - asked, kCancelBound) << c.name;
        EXPECT_EQ(session.openKind(), InterfaceKind::None) << c.name;
    }
}

TEST(SessionCancel, ACancelBetweenCallsLeavesTheNextCallAlone) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(sim.running());
    PrinterSession session(SessionSetup{{}, nullptr, nullptr});
    session.select(loopback(sim));
    EXPECT_FALSE(session.cancel()); // nothing runs: nothing to cancel
    EXPECT_TRUE(session.machineInformation().ok());
}

// A runner that cancels from where it runs the steps, as the window's Cancel button does, and
// notes what each call told it.
class CancellingRunner final : public IoRunner {
public:
    void run(std::string_view step, const std::function<void()>& work) override {
        if (step == cancelAt && cancel) cancel();
        work();
    }
    void callStarted(ExchangeTask task, std::function<void()> cancelCall) override {
        tasks.push_back(task);
        cancel = std::move(cancelCall);
    }
    void callProgress(uint64_t done, uint64_t total) override {
        progress.emplace_back(done, total);
    }
    void callEnded() override {
        ++ended;
        cancel = nullptr;
    }

    std::string_view cancelAt;
    std::function<void()> cancel;
    std::vector<ExchangeTask> tasks;
    std::vector<std::pair<uint64_t, uint64_t>> progress;
    int ended = 0;
};

TEST(SessionCancel, EachCallNamesItsTaskToTheRunnerWhichMayCancelIt) {
    TempTree tree;
    tree.write("small.prn", std::string(2500, 'x'));
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(sim.running());
    CancellingRunner runner;
    PrinterSession session(SessionSetup{{}, nullptr, &runner});
    session.select(loopback(sim));
    ASSERT_TRUE(session.printFile(tree.path("small.prn")).ok());
    ASSERT_TRUE(session.printTest(TestPrint::Sample).ok());
    EXPECT_EQ(runner.tasks, (std::vector{ExchangeTask::PrintFile, ExchangeTask::Sample}));
    EXPECT_EQ(runner.progress, (std::vector<std::pair<uint64_t, uint64_t>>{
                                   {0, 2500}, {1024, 2500}, {2048, 2500}, {2500, 2500}}));
    EXPECT_EQ(runner.ended, 2);

    // The receive is cancelled before its reply is read: it says so, and nothing else runs.
    runner.cancelAt = kReceivingStep;
    const auto started = Clock::now();
    EXPECT_TRUE(session.receiveConfiguration(RequestKind::AllConfig, true).cancelled());
    EXPECT_LT(Clock::now() - started, kCancelBound);
    EXPECT_EQ(runner.tasks.back(), ExchangeTask::Receive);
    EXPECT_EQ(runner.ended, 3);
    EXPECT_EQ(session.openKind(), InterfaceKind::None);
}

} // namespace
} // namespace tessaline
