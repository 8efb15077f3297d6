#include "channel_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessaline {
namespace {

// Two simulated serial printers, the first locked by another holder, and a closed TCP port.
class OpenFailureSite {
public:
    OpenFailureSite()
        : lockedPrinter(devices.start("ttyLOCKED")), freePrinter(devices.start("ttyFREE")),
          closedPort(closedLoopbackPort()) {
        holder = ::open(devices.path("ttyLOCKED").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        EXPECT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    }
    ~OpenFailureSite() { ::close(holder); }

    DeviceTree devices;
    std::unique_ptr<SimProcess> lockedPrinter, freePrinter;
    uint16_t closedPort;
    int holder = -1;
};

ChannelSelection tcp(const std::string& host, uint16_t port) {
    ChannelSelection s;
    s.kind = InterfaceKind::Network;
    s.portName = host;
    s.portNumber = std::to_string(port);
    return s;
}

struct FailureCase {
    const char* name;
    ChannelSelection (*select)(const OpenFailureSite&);
    OpenFailureCause cause;
    bool withOsError; // the system gave an error number
};

const FailureCase kFailureCases[] = {
    {"missing device path",
     [](const OpenFailureSite& s) {
         return deviceSelection(InterfaceKind::Serial, s.devices.path("ttyNONE"));
     },
     OpenFailureCause::NotFound, true},
    {"device locked by another holder",
     [](const OpenFailureSite& s) {
         return deviceSelection(InterfaceKind::Serial, s.devices.path("ttyLOCKED"));
     },
     OpenFailureCause::Busy, true},
    {"line settings the line refuses",
     [](const OpenFailureSite& s) {
         ChannelSelection selection =
             deviceSelection(InterfaceKind::Serial, s.devices.path("ttyFREE"));
         selection.line.baudRate = 12345;
         return selection;
     },
     OpenFailureCause::LineSettingsRefused, true},
    {"USB port that is not connected",
     [](const OpenFailureSite&) { return deviceSelection(InterfaceKind::Usb, "USB001"); },
     OpenFailureCause::UsbPortNotConnected, false},
    {"refused TCP port", [](const OpenFailureSite& s) { return tcp("127.0.0.1", s.closedPort); },
     OpenFailureCause::Refused, true},
    {"unknown host",
     [](const OpenFailureSite& s) { return tcp("no-such-host.invalid", s.closedPort); },
     OpenFailureCause::HostUnknown, false},
};

TEST(ChannelOpenFailure, LastOpenFailureNamesTheCause) {
    OpenFailureSite site;
    for (const FailureCase& c : kFailureCases) {
        CPortChannel channel(fastSetup(site.devices.discovery()));
        ChannelSelection selection = c.select(site);
        EXPECT_FALSE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive)) << c.name;
        EXPECT_EQ(channel.lastOpenFailure().cause, c.cause) << c.name;
        EXPECT_EQ(channel.lastOpenFailure().osError != 0, c.withOsError) << c.name;
        CloseSelectedInterface(channel, selection);
        EXPECT_EQ(channel.openKind(), InterfaceKind::None) << c.name;
    }
}

TEST(ChannelOpenFailure, SuccessfulOpenClearsTheLastFailure) {
    OpenFailureSite site;
    CPortChannel channel(fastSetup());
    EXPECT_FALSE(channel.OpenPort(InterfaceKind::Serial, site.devices.path("ttyNONE")));
    EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::NotFound);
    ASSERT_TRUE(channel.OpenPort(InterfaceKind::Serial, site.devices.path("ttyFREE")));
    EXPECT_EQ(channel.lastOpenFailure(), OpenFailure{});
    EXPECT_FALSE(channel.OpenPort(InterfaceKind::Serial, site.devices.path("ttyFREE")));
    EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::AlreadyOpen);
    EXPECT_FALSE(channel.ConnectSocket("127.0.0.1", site.closedPort));
    EXPECT_EQ(channel.lastOpenFailure().cause, OpenFailureCause::AlreadyOpen);
    channel.ClosePort();
}

} // namespace
} // namespace tessaline
