#include "channel_fixture.h"

#include <chrono>

namespace tessaline {
namespace {

struct DeviceCase {
    const char* name;
    InterfaceKind kind;
    const char* node;
    const char* port; // the port name selected; the node's path when empty
};

const DeviceCase kDevices[] = {
    {"serial", InterfaceKind::Serial, "ttySIM", ""},
    {"parallel", InterfaceKind::Parallel, "dev/lp0", ""},
    {"usb", InterfaceKind::Usb, "dev/usb/lp0", "USB001"},
};

ChannelSelection selectionFor(const DeviceCase& c, const DeviceTree& devices) {
    return deviceSelection(c.kind, *c.port ? c.port : devices.path(c.node));
}

TEST(ChannelDevices, ConfigurationRequestIsAnsweredOnEveryDeviceKind) {
    for (const DeviceCase& c : kDevices) {
        DeviceTree devices;
        auto sim = devices.start(c.node);
        CPortChannel channel(fastSetup(devices.discovery()));
        Exchange e = exchange(channel, selectionFor(c, devices),
                              request(RequestKind::StandardConfig), RequestKind::StandardConfig);
        ASSERT_TRUE(e.opened) << c.name;
        EXPECT_EQ(e.writeResult, ChannelCode::Ok) << c.name;
        EXPECT_EQ(e.readResult, ChannelCode::Ok) << c.name;
        ASSERT_GE(e.reply.size(), 5u) << c.name;
        EXPECT_EQ(e.reply.substr(e.reply.size() - 5), "END\r\n") << c.name;
        EXPECT_EQ(channel.openKind(), InterfaceKind::None) << c.name;
    }
}

struct RuleCase {
    const char* name;
    std::vector<std::string> args;
    int completion;
    // By device kind (serial, parallel, usb): the read's result and the reply's tail.
    ChannelCode result[3];
    const char* tail[3];
};

const RuleCase kRules[] = {
    // The terminator followed by one byte completes serial and parallel replies without the
    // byte; USB knows only the terminator and waits to its time-out.
    {"terminator and one byte",
     {"--after-reply", "T"},
     0,
     {ChannelCode::Ok, ChannelCode::Ok, ChannelCode::WaitTimeout},
     {"END\r\n", "END\r\n", "END\r\nT"}},
    {"silence",
     {},
     2,
     {ChannelCode::Ok, ChannelCode::Ok, ChannelCode::Ok},
     {"89\r\n", "89\r\n", "89\r\n"}},
    {"terminator split over polls",
     {"--trickle", "2"},
     5,
     {ChannelCode::Ok, ChannelCode::Ok, ChannelCode::Ok},
     {"END\r\n", "END\r\n", "END\r\n"}},
};

TEST(ChannelDevices, CompletionRulesPerDeviceKind) {
    for (const RuleCase& rule : kRules)
        for (size_t k = 0; k < 3; ++k) {
            const DeviceCase& c = kDevices[k];
            DeviceTree devices;
            auto sim = devices.start(c.node, rule.args);
            ChannelSetup setup = fastSetup(devices.discovery());
            if (rule.args.size() && rule.args[0] == "--trickle")
                setup.timings.readTimeout = Millis(2000); // room for the trickled reply
            CPortChannel channel(setup);
            const auto kind = static_cast<RequestKind>(rule.completion);
            Exchange e = exchange(channel, selectionFor(c, devices), request(kind), kind);
            ASSERT_TRUE(e.opened) << rule.name << " " << c.name;
            EXPECT_EQ(e.readResult, rule.result[k]) << rule.name << " " << c.name;
            std::string tail = rule.tail[k];
            ASSERT_GE(e.reply.size(), tail.size()) << rule.name << " " << c.name;
            EXPECT_EQ(e.reply.substr(e.reply.size() - tail.size()), tail)
                << rule.name << " " << c.name;
            EXPECT_EQ(e.count, e.reply.size()) << rule.name << " " << c.name;
        }
}

TEST(ChannelDevices, OversizeReplyEndsWithAFullBufferAndSilenceWithNothing) {
    for (const DeviceCase& c : kDevices) {
        DeviceTree devices;
        auto sim = devices.start(c.node, {"--oversize"});
        CPortChannel channel(fastSetup(devices.discovery()));
        Exchange full = exchange(channel, selectionFor(c, devices), request(RequestKind::AllConfig),
                                 RequestKind::AllConfig);
        EXPECT_EQ(full.readResult, ChannelCode::Ok) << c.name;
        EXPECT_EQ(full.count, kExchangeBufferSize) << c.name;
    }
    for (const DeviceCase& c : kDevices) {
        DeviceTree devices;
        auto sim = devices.start(c.node, {"--silent"});
        CPortChannel channel(fastSetup(devices.discovery()));
        Exchange none = exchange(channel, selectionFor(c, devices), request(RequestKind::AllConfig),
                                 RequestKind::AllConfig);
        EXPECT_EQ(none.readResult, ChannelCode::WaitTimeout) << c.name;
        EXPECT_EQ(none.count, 0u) << c.name;
    }
}

TEST(ChannelDevices, PrinterThatStopsReadingMakesTheWriteFail) {
    const ChannelCode expected[3] = {ChannelCode::Busy, ChannelCode::Busy, ChannelCode::Timeout};
    for (size_t k = 0; k < 3; ++k) {
        const DeviceCase& c = kDevices[k];
        DeviceTree devices;
        auto sim = devices.start(c.node, {"--stop-reading"});
        CPortChannel channel(fastSetup(devices.discovery()));
        ChannelSelection selection = selectionFor(c, devices);
        ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Send)) << c.name;
        std::vector<uint8_t> bytes(1u << 20, 'x');
        uint32_t written = 0;
        EXPECT_EQ(channel.WritePort(bytes.data(), static_cast<uint32_t>(bytes.size()), &written),
                  expected[k])
            << c.name;
        EXPECT_LT(written, bytes.size()) << c.name;
        uint32_t none = 7;
        EXPECT_EQ(channel.WritePort(bytes.data(), 0, &none), ChannelCode::Ok) << c.name;
        EXPECT_EQ(none, 0u) << c.name;
        CloseSelectedInterface(channel, selection);
    }
}

TEST(ChannelDevices, UsbAutoTakesTheFirstConnectedPortAndTellsWhichOne) {
    DeviceTree devices;
    auto sim = devices.start("dev/usb/lp0");
    std::vector<std::string> told;
    ChannelSetup setup = fastSetup(devices.discovery());
    setup.usbInUse = [&told](const std::string& text) { told.push_back(text); };
    CPortChannel channel(setup);
    ChannelSelection selection = deviceSelection(InterfaceKind::Usb, "USB_AUTO");
    ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
    EXPECT_EQ(channel.resolvedUsbPort(), "USB001");
    EXPECT_EQ(told, std::vector<std::string>{devices.path("dev/usb/lp0") + "#USB001"});
    CloseSelectedInterface(channel, selection);

    for (const char* name : {"USB002", "USB1", "USB0001"})
        EXPECT_FALSE(OpenSelectedInterface(channel, deviceSelection(InterfaceKind::Usb, name),
                                           OpenPurpose::Receive))
            << name;
    EXPECT_EQ(channel.openKind(), InterfaceKind::None);
}

TEST(ChannelDevices, UsbAutoWithoutAConnectedPortGivesUpAfterItsRetries) {
    DeviceTree devices; // lp0 is listed but has no device node
    ChannelSetup setup = fastSetup(devices.discovery());
    setup.timings.usbResolveLimit = Millis(200);
    CPortChannel channel(setup);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(OpenSelectedInterface(channel, deviceSelection(InterfaceKind::Usb, "USB_AUTO"),
                                       OpenPurpose::Receive));
    EXPECT_GE(std::chrono::steady_clock::now() - start, Millis(200));
}

TEST(ChannelDevices, DeviceInUseOrMissingIsNotOpened) {
    DeviceTree devices;
    auto sim = devices.start("ttySIM");
    CPortChannel first(fastSetup()), second(fastSetup());
    ChannelSelection selection = deviceSelection(InterfaceKind::Serial, devices.path("ttySIM"));
    ASSERT_TRUE(OpenSelectedInterface(first, selection, OpenPurpose::Send));
    EXPECT_FALSE(first.OpenPort(InterfaceKind::Serial, selection.portName));   // already open
    EXPECT_FALSE(OpenSelectedInterface(second, selection, OpenPurpose::Send)); // held by first
    CloseSelectedInterface(first, selection);
    EXPECT_FALSE(OpenSelectedInterface(
        second, deviceSelection(InterfaceKind::Serial, devices.path("nothing")),
        OpenPurpose::Send));
    EXPECT_FALSE(second.OpenPort(InterfaceKind::Network, selection.portName));
}

TEST(ChannelDevices, SerialLineSettingsAreRefusedForUnknownBaudRates) {
    DeviceTree devices;
    auto sim = devices.start("ttySIM");
    CPortChannel channel(fastSetup());
    ChannelSelection selection = deviceSelection(InterfaceKind::Serial, devices.path("ttySIM"));
    selection.line.baudRate = 12345;
    EXPECT_FALSE(OpenSelectedInterface(channel, selection, OpenPurpose::Send));
    EXPECT_EQ(channel.openKind(), InterfaceKind::Serial); // open; the caller closes it
    CloseSelectedInterface(channel, selection);
    EXPECT_EQ(channel.openKind(), InterfaceKind::None);
}

TEST(ChannelDevices, NoDescriptorStaysOpenAfterAnyExchange) {
    const int before = openDescriptorCount();
    for (const DeviceCase& c : kDevices) {
        DeviceTree devices;
        {
            auto sim = devices.start(c.node, {"--close-mid-reply"});
            CPortChannel channel(fastSetup(devices.discovery()));
            exchange(channel, selectionFor(c, devices), request(RequestKind::StandardConfig),
                     RequestKind::StandardConfig);
            exchange(channel, selectionFor(c, devices), request(RequestKind::Counters),
                     RequestKind::Counters);
        }
        CPortChannel channel(fastSetup(devices.discovery()));
        exchange(channel, selectionFor(c, devices), request(RequestKind::StandardConfig),
                 RequestKind::StandardConfig);
    }
    EXPECT_EQ(openDescriptorCount(), before);
}

} // namespace
} // namespace tessaline
