#include "channel_fixture.h"
#include "transport/cancel_token.h"

#include <chrono>
#include <thread>

namespace tessaline {
namespace {

using Clock = std::chrono::steady_clock;

// A cancelled operation ends within 200 ms; the bound leaves room for a loaded machine and is
// still far below the waits the operations would run without the cancel.
constexpr Millis kCancelBound{1000};
constexpr Millis kCancelAfter{150};
constexpr Millis kLongWait{60000};

// The program's waits, with every one an exchange could be stuck in made a minute long.
ChannelSetup longWaits(const DeviceTree& devices, const CancelToken& token) {
    ChannelSetup setup;
    setup.handOverQueues = false;
    setup.discovery = devices.discovery();
    setup.cancel = &token;
    setup.timings.readTimeout = kLongWait;
    setup.timings.socketReadTimeout = kLongWait;
    setup.timings.writeStallLimit = kLongWait;
    setup.timings.usbResolveLimit = kLongWait;
    return setup;
}

// Cancels the token from another thread a little after it is made.
class Canceller {
public:
    explicit Canceller(CancelToken& token)
        : thread_([this, &token] {
              std::this_thread::sleep_for(kCancelAfter);
              cancelledAt_ = Clock::now();
              token.cancel();
          }) {}
    ~Canceller() {
        if (thread_.joinable()) thread_.join();
    }
    // How long ago the token was cancelled.
    Millis sinceCancel() {
        thread_.join();
        return std::chrono::duration_cast<Millis>(Clock::now() - cancelledAt_);
    }

private:
    Clock::time_point cancelledAt_;
    std::thread thread_;
};

enum class Step { Open, Read, Write };

struct CancelCase {
    const char* name;
    InterfaceKind kind;
    std::vector<std::string> simArgs; // no simulator for an open
    Step step;
};

const CancelCase kCancelCases[] = {
    {"socket read from a silent printer", InterfaceKind::Network, {"--silent"}, Step::Read},
    {"serial read from a silent printer", InterfaceKind::Serial, {"--silent"}, Step::Read},
    {"socket send to a printer that stops reading",
     InterfaceKind::Network,
     {"--stop-reading"},
     Step::Write},
    {"serial write to a printer that stops reading",
     InterfaceKind::Serial,
     {"--stop-reading"},
     Step::Write},
    {"open of USB_AUTO without a USB port", InterfaceKind::Usb, {}, Step::Open},
};

std::unique_ptr<SimProcess> startPrinter(const CancelCase& c, DeviceTree& devices) {
    if (c.step == Step::Open) return nullptr;
    if (c.kind == InterfaceKind::Serial) return devices.start("ttySIM", c.simArgs);
    auto sim = std::make_unique<SimProcess>(c.simArgs);
    EXPECT_TRUE(sim->running());
    return sim;
}

ChannelSelection selectionFor(const CancelCase& c, const DeviceTree& devices,
                              const SimProcess* sim) {
    switch (c.kind) {
    case InterfaceKind::Network:
        return networkSelection(*sim);
    case InterfaceKind::Serial:
        return deviceSelection(InterfaceKind::Serial, devices.path("ttySIM"));
    default:
        return deviceSelection(InterfaceKind::Usb, "USB_AUTO"); // lp0 has no device node
    }
}

// Reads a reply into `buffer`, or writes all of it: the step that waits on the printer.
ChannelResult runStep(const CancelCase& c, CPortChannel& channel, std::vector<uint8_t>& buffer) {
    const bool socket = c.kind == InterfaceKind::Network;
    uint32_t count = 0;
    if (c.step == Step::Read)
        return socket ? channel.ReceiveSocket(buffer, &count, RequestKind::StandardConfig)
                      : channel.ReadPort(buffer, &count, RequestKind::StandardConfig);
    auto size = static_cast<uint32_t>(buffer.size());
    return socket ? channel.SendSocket(size, buffer.data(), &count)
                  : channel.WritePort(buffer.data(), size, &count);
}

TEST(ChannelCancel, CancelledWaitsEndTheOperationAtOnceAndTheChannelCloses) {
    for (const CancelCase& c : kCancelCases) {
        DeviceTree devices;
        auto sim = startPrinter(c, devices);
        CancelToken token;
        CPortChannel channel(longWaits(devices, token));
        ChannelSelection selection = selectionFor(c, devices, sim.get());
        const int descriptors = openDescriptorCount();
        if (c.step != Step::Open) {
            ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive)) << c.name;
        }

        // More than the connection and the pseudo-terminal hold.
        std::vector<uint8_t> buffer(c.step == Step::Write ? 64u << 20 : kExchangeBufferSize, 0);

        Canceller canceller(token);
        if (c.step == Step::Open) {
            EXPECT_FALSE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive)) << c.name;
            EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::Cancelled) << c.name;
        } else {
            EXPECT_EQ(runStep(c, channel, buffer), ChannelCode::Cancelled) << c.name;
        }
        EXPECT_LT(canceller.sinceCancel(), kCancelBound) << c.name;

        auto closing = Clock::now();
        CloseSelectedInterface(channel, selection);
        EXPECT_LT(Clock::now() - closing, kCancelBound) << c.name;
        EXPECT_EQ(channel.openKind(), InterfaceKind::None) << c.name;
        EXPECT_EQ(openDescriptorCount(), descriptors) << c.name;
    }
}

TEST(ChannelCancel, ResetTokenLetsTheNextExchangeRun) {
    SimProcess sim({});
    ASSERT_TRUE(sim.running());
    CancelToken token;
    token.cancel();
    ChannelSetup setup = fastSetup();
    setup.cancel = &token;
    CPortChannel channel(setup);
    EXPECT_FALSE(OpenSelectedInterface(channel, networkSelection(sim), OpenPurpose::Receive));
    EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::Cancelled);
    CloseSelectedInterface(channel, networkSelection(sim));

    token.reset();
    Exchange e = exchange(channel, networkSelection(sim), request(RequestKind::StandardConfig),
                          RequestKind::StandardConfig);
    ASSERT_TRUE(e.opened);
    EXPECT_EQ(e.readResult, ChannelCode::Ok);
    EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::None);
}

} // namespace
} // namespace tessaline
