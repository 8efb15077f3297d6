// Device paths of the person's own in the serial and parallel fields: typed, or saved by an
// earlier run, and not found by discovery.

#include "app/interface_panel.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

const HostResolver kNoLookup = [](const std::string&) { return std::optional<std::string>(); };

PortLists Discovered(std::vector<std::string> serial, std::vector<std::string> parallel) {
    PortLists ports;
    ports.serial = std::move(serial);
    ports.parallel = std::move(parallel);
    ports.usb = {"USB_AUTO"};
    return ports;
}

// The port an exchange would open now.
std::string Opened(const InterfacePanel& panel, InterfaceSettings& current, DriverPort& driver) {
    panel.readInterfaceControls(current, driver);
    return InterfacePanel::channelSelection(current, driver).portName;
}

TEST(TypedPort, ASavedPathThatIsNotDiscoveredIsKeptShownAndUsedAcrossARefill) {
    struct Case {
        PortType kind;
        std::string saved;
    };
    for (const Case& c : {Case{PortType::Serial, "/dev/pts/7"},
                          Case{PortType::Serial, "/dev/serial/by-id/usb-Gone_A1-if00"},
                          Case{PortType::Parallel, "/dev/parport9"}}) {
        SCOPED_TRACE(c.saved);
        InterfacePanel panel;
        InterfaceSettings current;
        current.portType = c.kind;
        current.portName = c.saved;
        DriverPort driver;
        panel.fill({}, Discovered({"/dev/ttyS0", "/dev/ttyUSB0"}, {"/dev/lp0"}));
        panel.applySavedSettings(current, driver, kNoLookup);
        const ChoiceList& list =
            c.kind == PortType::Serial ? panel.serialPorts() : panel.parallelPorts();
        EXPECT_EQ(list.text(), c.saved);
        EXPECT_EQ(Opened(panel, current, driver), c.saved);

        // Discovery finds other ports now: the saved path stays beside them, still selected.
        panel.fill({}, Discovered({"/dev/ttyACM0", "/dev/ttyS0"}, {"/dev/lp0", "/dev/lp1"}));
        EXPECT_EQ(list.text(), c.saved);
        EXPECT_EQ(std::count(list.entries.begin(), list.entries.end(), c.saved), 1);
        EXPECT_EQ(Opened(panel, current, driver), c.saved);
    }
}

TEST(TypedPort, ATypedPathIsSelectedOnceAndReplacesTheEarlierTypedOne) {
    InterfacePanel panel;
    InterfaceSettings current;
    current.portType = PortType::Serial;
    DriverPort driver;
    panel.fill({}, Discovered({"/dev/ttyS0", "/dev/ttyUSB0"}, {}));
    panel.applySavedSettings(current, driver, kNoLookup);
    EXPECT_EQ(panel.serialPorts().text(), "/dev/ttyS0");

    panel.typeSerial("  /dev/pts/3\t");
    EXPECT_EQ(panel.serialPorts().entries,
              (std::vector<std::string>{"/dev/pts/3", "/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_EQ(Opened(panel, current, driver), "/dev/pts/3");
    EXPECT_EQ(panel.serialTooltip(), "/dev/pts/3");

    panel.typeSerial("/dev/pts/4"); // one path of the person's own at a time
    EXPECT_EQ(panel.serialPorts().entries,
              (std::vector<std::string>{"/dev/pts/4", "/dev/ttyS0", "/dev/ttyUSB0"}));
    panel.typeSerial("/dev/ttyUSB0"); // a discovered port is selected, not added
    EXPECT_EQ(panel.serialPorts().entries.size(), 3U);
    EXPECT_EQ(Opened(panel, current, driver), "/dev/ttyUSB0");
    panel.typeSerial("   "); // nothing typed: nothing changes
    EXPECT_EQ(Opened(panel, current, driver), "/dev/ttyUSB0");
}

TEST(TypedPort, ASavedNameThatIsNoDevicePathSelectsTheFirstPortAsBefore) {
    InterfacePanel panel;
    InterfaceSettings current;
    current.portType = PortType::Serial;
    current.portName = "COM1";
    DriverPort driver;
    panel.fill({}, Discovered({"/dev/ttyS0", "/dev/ttyUSB0"}, {}));
    panel.applySavedSettings(current, driver, kNoLookup);
    EXPECT_EQ(panel.serialPorts().entries.size(), 2U);
    EXPECT_EQ(Opened(panel, current, driver), "/dev/ttyS0");
}

} // namespace
} // namespace tessaline
