#include "transport/port_discovery.h"
#include "transport/queue_port.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

struct UriCase {
    const char* uri;
    InterfaceKind kind;
    const char* description;
};

const std::vector<UsbPrintPort> kUsbPorts = {
    {"lp0", "/dev/usb/lp0", "MFG:Other;MDL:X1;", "Other X1", 1, true},
    {"lp2", "/dev/usb/lp2", "MFG:Example;MDL:RV-940;SN:A1B2;", "Example RV-940", 3, true},
};

const UriCase kUriCases[] = {
    {"serial:/dev/ttyS0?baud=9600+bits=8+parity=none+flow=none", InterfaceKind::Serial,
     "/dev/ttyS0, 9600, 8, 1, None, None"},
    {"serial:/dev/ttyUSB1?baud=19200+bits=7+parity=even+flow=dtrdsr+stop=2", InterfaceKind::Serial,
     "/dev/ttyUSB1, 19200, 7, 2, Even, Hardware"},
    {"serial:/dev/ttyS1?baud=115200+parity=odd+flow=soft", InterfaceKind::Serial,
     "/dev/ttyS1, 115200, 8, 1, Odd, Xon/Xoff"},
    {"serial:/dev/ttyS2?parity=mark+flow=rtscts", InterfaceKind::Serial,
     "/dev/ttyS2, 9600, 8, 1, Mark, Hardware"},
    {"serial:/dev/ttyS3?parity=space", InterfaceKind::Serial,
     "/dev/ttyS3, 9600, 8, 1, Space, None"},
    {"serial:/dev/ttyS4", InterfaceKind::Serial, "/dev/ttyS4"},
    {"parallel:/dev/lp0", InterfaceKind::Parallel, "/dev/lp0"},
    {"usb://Example/RV-940?serial=A1B2", InterfaceKind::Usb, "USB003"},
    {"usb://example/rv-940", InterfaceKind::Usb, "USB003"},
    {"usb://Example/RV-940?serial=ZZZZ", InterfaceKind::Usb, "usb://Example/RV-940?serial=ZZZZ"},
    {"usb://Other/X1", InterfaceKind::Usb, "USB001"},
    {"socket://192.168.0.5", InterfaceKind::Network, "192.168.0.5, 9100"},
    {"socket://printer.local:9101/", InterfaceKind::Network, "printer.local, 9101"},
    {"socket://10.0.0.7:9100?waiteof=false", InterfaceKind::Network, "10.0.0.7, 9100"},
    {"socket://[::1]:9102", InterfaceKind::Network, "::1, 9102"},
    {"socket://:9100", InterfaceKind::None, "socket://:9100"},
    {"socket://host:abc", InterfaceKind::None, "socket://host:abc"},
    {"ipp://printer.local/ipp/print", InterfaceKind::None, "ipp://printer.local/ipp/print"},
    {"file:///dev/null", InterfaceKind::None, "file:///dev/null"},
    {"", InterfaceKind::None, ""},
};

TEST(QueuePort, EveryUriFormGetsItsKindAndDescription) {
    for (const UriCase& c : kUriCases) {
        QueuePort port = classifyQueuePort(c.uri, kUsbPorts);
        EXPECT_EQ(port.kind, c.kind) << c.uri;
        EXPECT_EQ(port.description, c.description) << c.uri;
    }
}

TEST(QueuePort, DevicePathOfSerialAndParallelUris) {
    EXPECT_EQ(queueDevicePath("serial:/dev/ttyS0?baud=9600"), "/dev/ttyS0");
    EXPECT_EQ(queueDevicePath("parallel:/dev/lp1"), "/dev/lp1");
    EXPECT_EQ(queueDevicePath("socket://127.0.0.1:9100"), "");
}

TEST(PortLists, UsbListEndsWithAutoEvenWithoutPorts) {
    PortLists lists = FillPortLists(DeviceDiscovery("/nonexistent/sys", "/nonexistent/dev"));
    EXPECT_TRUE(lists.serial.empty());
    EXPECT_TRUE(lists.parallel.empty());
    EXPECT_EQ(lists.usb, std::vector<std::string>{"USB_AUTO"});
}

} // namespace
} // namespace tessaline
