#include "channel_fixture.h"
#include "support/private_cupsd.h"
#include "transport/port_discovery.h"

#include <chrono>
#include <thread>

namespace tessaline {
namespace {

class Spooler : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateCupsd::installed())
            GTEST_SKIP() << "cupsd is not installed; spooler tests skipped";
        cupsd = std::make_unique<PrivateCupsd>();
        ASSERT_TRUE(cupsd->running());
    }
    bool paused(const std::string& name) const {
        for (const PrintQueue& q : spooler.listQueues())
            if (q.name == name) return q.paused;
        return false;
    }
    std::unique_ptr<PrivateCupsd> cupsd;
    PrintSpooler spooler;
};

TEST_F(Spooler, QueueTableDescribesThePortBehindEveryQueue) {
    ASSERT_TRUE(cupsd->addQueue("net", "socket://127.0.0.1:9101"));
    ASSERT_TRUE(
        cupsd->addQueue("Serial", "serial:/dev/ttyS0?baud=19200+bits=8+parity=none+flow=soft"));
    ASSERT_TRUE(cupsd->addQueue("lpt", "parallel:/dev/lp0"));
    ASSERT_TRUE(cupsd->addQueue("other", "file:///dev/null"));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/lpadmin", "-d", "lpt"}));
    QueueTable table = ListPrinterQueues(spooler, DeviceDiscovery("/nonexistent", "/nonexistent"));
    EXPECT_EQ(table.names, (std::vector<std::string>{"lpt", "net", "other", "Serial"}));
    EXPECT_EQ(table.ports["net"], "127.0.0.1, 9101");
    EXPECT_EQ(table.kinds["net"], 5);
    EXPECT_EQ(table.ports["Serial"], "/dev/ttyS0, 19200, 8, 1, None, Xon/Xoff");
    EXPECT_EQ(table.kinds["Serial"], 2);
    EXPECT_EQ(table.ports["lpt"], "/dev/lp0");
    EXPECT_EQ(table.kinds["lpt"], 3);
    EXPECT_EQ(table.ports["other"], "file:///dev/null");
    EXPECT_EQ(table.kinds["other"], 0);
    EXPECT_EQ(table.defaultQueue, "lpt");
}

TEST_F(Spooler, QueuesOnTheSerialPortInUseArePausedUntilTheCloseAndOnlyThose) {
    TempTree tree;
    std::string link = tree.path("ttySIM");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(sim.running());
    ASSERT_TRUE(cupsd->addQueue("first", "serial:" + sim.address() + "?baud=9600"));
    ASSERT_TRUE(cupsd->addQueue("second", "serial:" + link));
    ASSERT_TRUE(cupsd->addQueue("elsewhere", "serial:/dev/ttyS0?baud=9600"));
    ASSERT_TRUE(cupsd->addQueue("userPaused", "serial:" + link));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/cupsdisable", "userPaused"}));

    ChannelSetup setup = fastSetup();
    setup.handOverQueues = true;
    CPortChannel channel(setup);
    ChannelSelection selection = deviceSelection(InterfaceKind::Serial, link);
    ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
    EXPECT_EQ(channel.pausedQueues(), (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(paused("first"));
    EXPECT_TRUE(paused("second"));
    EXPECT_FALSE(paused("elsewhere"));
    CloseSelectedInterface(channel, selection);
    EXPECT_FALSE(paused("first"));
    EXPECT_FALSE(paused("second"));
    EXPECT_TRUE(paused("userPaused")); // the user's own pause stays
}

TEST_F(Spooler, QueuesOnAParallelPortArePausedOnlyAroundTheOpen) {
    TempTree tree;
    std::string link = tree.path("lp0");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(cupsd->addQueue("lpt", "parallel:" + link));
    ChannelSetup setup = fastSetup();
    setup.handOverQueues = true;
    CPortChannel channel(setup);
    ChannelSelection selection = deviceSelection(InterfaceKind::Parallel, link);
    ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Send));
    EXPECT_FALSE(paused("lpt"));
    EXPECT_TRUE(channel.pausedQueues().empty());
    CloseSelectedInterface(channel, selection);
}

TEST_F(Spooler, RawDocumentReachesThePrinterOrReportsWhyNot) {
    TempTree tree;
    std::string record = tree.path("record.bin");
    SimProcess sim({"--record", record});
    ASSERT_TRUE(cupsd->addQueue("raw", "socket://127.0.0.1:" + std::to_string(sim.port())));
    ASSERT_TRUE(cupsd->addQueue("closed", "socket://127.0.0.1:9"));
    ASSERT_TRUE(cupsd->run({"/usr/sbin/cupsreject", "closed"}));
    std::string bytes = request(RequestKind::StandardConfig);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto size = static_cast<uint32_t>(bytes.size());

    uint32_t written = 0;
    // The library opens a file or two for its own use once per process; after that, every
    // exchange with the spooler gives back what it took.
    SendRawDocument(spooler, "missing", data, size, &written);
    const int descriptors = openDescriptorCount();
    EXPECT_EQ(SendRawDocument(spooler, "raw", data, size, &written), kResultOk);
    EXPECT_EQ(written, size);
    std::string got;
    for (int i = 0; i < 200 && got.find(bytes) == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        got = readFile(record);
    }
    EXPECT_NE(got.find(bytes), std::string::npos) << "the job did not reach the printer";

    EXPECT_EQ(SendRawDocument(spooler, "missing", data, size, &written), kResultOpenFailed);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(SendRawDocument(spooler, "closed", data, size, &written), kResultWriteFault);
    spooler.listQueues();
    EXPECT_EQ(openDescriptorCount(), descriptors);
}

TEST(SpoolerAbsent, NoSpoolerMeansNoQueuesAndSoftFailures) {
    SetPrintSpoolerServer("/nonexistent/cups.sock");
    PrintSpooler spooler;
    EXPECT_TRUE(spooler.listQueues().empty());
    EXPECT_EQ(spooler.defaultQueue(), "");
    EXPECT_FALSE(spooler.pauseQueue("any"));
    uint32_t written = 5;
    EXPECT_EQ(SendRawDocument(spooler, "any", reinterpret_cast<const uint8_t*>("x"), 1, &written),
              kResultOpenFailed);
    EXPECT_TRUE(ListPrinterQueues(spooler, DeviceDiscovery()).names.empty());
    SetPrintSpoolerServer(nullptr);
}

} // namespace
} // namespace tessaline
