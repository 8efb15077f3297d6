#include "sim/faults.h"
#include "sim/sim_options.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <algorithm>
#include <arpa/inet.h>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <termios.h>

namespace tessaline::sim {
namespace {

TEST(SimOptions, SwitchesAreReadAndMistakesRefused) {
    std::string error;
    auto o = parseSimOptions({"--tcp", "127.0.0.1:0", "--model", "RV-943E", "--stray", "2",
                              "--status", "paper,pause", "--fail-calibration"},
                             error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->modelIndex, 5);
    EXPECT_EQ(o->faults.strayBytes, 2);
    EXPECT_TRUE(o->status.paperError && o->status.pause && !o->status.printing);
    EXPECT_TRUE(o->failCalibration);
    for (std::vector<std::string> bad :
         std::vector<std::vector<std::string>>{{"--tcp", "127.0.0.1"},
                                               {"--delay", "x"},
                                               {"--model", "nope"},
                                               {"--status", "hot"},
                                               {"--bogus"},
                                               {"--pty"}}) {
        EXPECT_FALSE(parseSimOptions(bad, error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(Faults, ContentFaultsShapeTheReply) {
    Faults f;
    f.strayBytes = 2;
    EXPECT_EQ(shapeReply("X\r\nEND\r\n", f), "##X\r\nEND\r\n");
    f = Faults{};
    f.oversize = true;
    std::string big = shapeReply("X\r\nEND\r\n", f);
    EXPECT_GT(big.size(), 4096u);
    EXPECT_EQ(big.substr(big.size() - 5), "END\r\n");
    f = Faults{};
    f.garbage = true;
    EXPECT_EQ(shapeReply("X\r\nEND\r\n", f).find("END"), std::string::npos);
    EXPECT_EQ(shapeReply("", f), ""); // no reply stays no reply
}

int connectTo(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

TEST(SimProgram, RecordsEachConnectionAndEndsCleanlyOnTerm) {
    TempTree tree;
    SimProcess sim({"--record", tree.path("rec")});
    ASSERT_TRUE(sim.running());
    for (const char* text : {"one", "two"}) {
        int fd = connectTo(sim.port());
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::send(fd, text, 3, 0), 3);
        ::close(fd);
        ::usleep(50000);
    }
    EXPECT_EQ(sim.terminate(), 0);
    std::ifstream in(tree.path("rec"));
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "\n=== connection 1 ===\none\n=== connection 2 ===\ntwo");
}

TEST(SimProgram, PseudoTerminalIsReachedThroughItsLinkWhichGoesAtTheEnd) {
    TempTree tree;
    std::string link = tree.path("ttySIM");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(sim.running());
    EXPECT_EQ(sim.address().rfind("/dev/pts/", 0), 0u);
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(sim.address(), target);
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_NE(::access(link.c_str(), F_OK), 0);
}

} // namespace
} // namespace tessaline::sim

namespace tessaline::sim {
namespace {

// The simulator serves a device that already exists: here the far end of a pseudo-terminal
// whose near end the test holds.
TEST(SimProgram, ServesAnExistingDevice) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    std::string slave = ::ptsname(master);
    termios raw{};
    int near = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    ::tcgetattr(near, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(near, TCSANOW, &raw);
    ::close(near);
    SimProcess sim({"--device", slave});
    ASSERT_TRUE(sim.running());
    EXPECT_EQ(sim.address(), slave);
    ASSERT_EQ(::write(master, "~HS\r\n", 5), 5);
    std::string reply;
    for (int i = 0; i < 100 && reply.find('\x03', reply.find('\x03') + 1) == std::string::npos;
         ++i) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        char buffer[256];
        ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) reply.append(buffer, static_cast<size_t>(n));
    }
    EXPECT_EQ(reply.front(), '\x02');
    EXPECT_EQ(std::count(reply.begin(), reply.end(), '\x02'), 2);
    sim.stop();
    ::close(master);
}

} // namespace
} // namespace tessaline::sim
