#include "channel_fixture.h"

#include <fcntl.h>
#include <termios.h>

namespace tessaline {
namespace {

struct LineCase {
    SerialLineSettings line;
    speed_t speed;
    tcflag_t cflagSet, cflagClear, iflagSet, iflagClear;
};

// A pseudo-terminal always keeps eight data bits without parity, so those two are not checked.
const LineCase kLines[] = {
    {{9600, 8, 0, 0, "N"}, B9600, 0, CSTOPB | CRTSCTS, 0, IXON | IXOFF | INPCK},
    {{19200, 7, 2, 2, "H"}, B19200, CSTOPB | CRTSCTS, 0, INPCK, IXON | IXOFF},
    {{115200, 8, 1, 1, "X"}, B115200, CSTOPB, CRTSCTS, IXON | IXOFF | INPCK, 0},
};

TEST(SerialLine, SettingsReachTheTerminal) {
    TempTree tree;
    std::string link = tree.path("ttySIM");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(sim.running());
    for (const LineCase& c : kLines) {
        CPortChannel channel(fastSetup());
        ChannelSelection selection = deviceSelection(InterfaceKind::Serial, link);
        selection.line = c.line;
        ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
        int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios tio{};
        ASSERT_EQ(::tcgetattr(fd, &tio), 0);
        ::close(fd);
        CloseSelectedInterface(channel, selection);
        EXPECT_EQ(::cfgetospeed(&tio), c.speed) << c.line.baudRate;
        EXPECT_EQ(tio.c_cflag & c.cflagSet, c.cflagSet) << c.line.baudRate;
        EXPECT_EQ(tio.c_cflag & c.cflagClear, 0u) << c.line.baudRate;
        EXPECT_EQ(tio.c_iflag & c.iflagSet, c.iflagSet) << c.line.baudRate;
        EXPECT_EQ(tio.c_iflag & c.iflagClear, 0u) << c.line.baudRate;
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u) << "raw mode";
    }
}

} // namespace
} // namespace tessaline
