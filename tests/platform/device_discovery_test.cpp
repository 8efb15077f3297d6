#include "platform/device_discovery.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

// A sysfs and /dev tree: two UARTs of which one has no hardware, a USB serial adapter, a
// modem-class device, a virtual console; two parallel nodes and one plain file; two usblp ports
// of which one is unplugged.
class DiscoveryTree : public ::testing::Test {
protected:
    void SetUp() override {
        tree.write("sys/class/tty/ttyS0/type", "4\n");
        tree.write("sys/class/tty/ttyS1/type", "0\n");
        tree.folder("sys/class/tty/ttyUSB0/device");
        tree.folder("sys/class/tty/ttyACM3/device");
        tree.folder("sys/class/tty/ttyACM4"); // no device behind it
        tree.folder("sys/class/tty/tty1");
        tree.link("dev/lp0", "/dev/null"); // a character device
        tree.link("dev/lp1", "/dev/zero");
        tree.write("dev/lpx", "");
        tree.write("dev/lp2", ""); // a plain file is no port
        tree.write("sys/class/usbmisc/lp0/device/ieee1284_id",
                   "MFG:Example;MDL:RV-940;CMD:DMX;SN:A1B2;\n");
        tree.write("sys/class/usbmisc/lp3/device/ieee1284_id", "CMD:ZPL;\n");
        tree.link("dev/usb/lp0", "/dev/null");
    }
    TempTree tree;
    DeviceDiscovery discovery{tree.path("sys"), tree.path("dev")};
};

TEST_F(DiscoveryTree, SerialPortsAreThoseWithADeviceBehindThem) {
    std::string dev = tree.path("dev");
    EXPECT_EQ(discovery.serialPorts(),
              (std::vector<std::string>{dev + "/ttyACM3", dev + "/ttyS0", dev + "/ttyUSB0"}));
}

TEST_F(DiscoveryTree, SerialLinksAreTheByIdLinksWithADeviceBehind) {
    tree.link("dev/serial/by-id/usb-Maker_Adapter_A1-if00-port0", "../../ttyUSB0");
    tree.write("dev/ttyUSB0", "");
    tree.link("dev/serial/by-id/usb-Gone_B2-if00", "../../ttyUSB9"); // unplugged
    tree.write("dev/serial/by-id/not-a-link", "");
    EXPECT_EQ(
        discovery.serialLinks(),
        (std::vector<std::string>{tree.path("dev/serial/by-id/usb-Maker_Adapter_A1-if00-port0")}));
    EXPECT_TRUE(DeviceDiscovery(tree.path("sys"), tree.path("none")).serialLinks().empty());
}

TEST_F(DiscoveryTree, ParallelPortsAreTheLpCharacterDevices) {
    std::string dev = tree.path("dev");
    EXPECT_EQ(discovery.parallelPorts(), (std::vector<std::string>{dev + "/lp0", dev + "/lp1"}));
}

TEST_F(DiscoveryTree, UsbPortsAreNumberedFromOneAndConnectedWhenTheirNodeExists) {
    std::vector<UsbPrintPort> ports = discovery.usbPrintPorts();
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].portNumber, 1u);
    EXPECT_EQ(ports[0].devicePath, tree.path("dev") + "/usb/lp0");
    EXPECT_TRUE(ports[0].connected);
    EXPECT_EQ(ports[0].description, "Example RV-940");
    EXPECT_EQ(ports[1].portNumber, 4u);
    EXPECT_FALSE(ports[1].connected);
    EXPECT_EQ(ports[1].description, "CMD:ZPL;"); // no model: the id itself
}

TEST(DeviceDiscovery, MissingTreesGiveEmptyLists) {
    DeviceDiscovery discovery("/nonexistent/sys", "/nonexistent/dev");
    EXPECT_TRUE(discovery.serialPorts().empty());
    EXPECT_TRUE(discovery.parallelPorts().empty());
    EXPECT_TRUE(discovery.usbPrintPorts().empty());
}

} // namespace
} // namespace tessaline
