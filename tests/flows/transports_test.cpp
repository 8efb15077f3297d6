// Send and Receive over every way of reaching the printer, and what is left after a failure.
#include "flows/flow_fixture.h"

#include "text/text_tables.h"
#include "transport/command_prefix.h"

namespace tessaline {
namespace {

constexpr Link kLinks[] = {Link::Tcp, Link::Serial, Link::Queue};

TEST_F(FlowTest, SendAndReceiveOverEveryLink) {
    for (const Link link : kLinks) {
        SCOPED_TRACE(linkName(link));
        reset();
        if (!start({}, link)) {
            if (link == Link::Queue) continue; // no spooler on this computer
            return;
        }
        const auto group = window_->interfaces().group();
        const PortType type = app_.current.portType;

        window_->SetCheckAllBox(true);
        window_->standard.selectValue(standard_row::kPrintSpeed, 2);
        window_->OnSendConfiguration();
        EXPECT_TRUE(person_.messages().empty());
        // The whole configuration goes out once, behind the prefix; a queue gets it as one
        // document of exactly these bytes.
        const std::string expected = std::string(CommandPrefix) + app_.records.configText;
        recordedWhen([&](const std::string& bytes) { return bytes.find("END\r\n") != bytes.npos; });
        EXPECT_EQ(wire(), expected);

        window_->ChangeModel(window_->model());
        clearRecord();
        window_->OnReceive();
        EXPECT_TRUE(person_.messages().empty());
        EXPECT_EQ(wire(), std::string(CommandPrefix) + "SEND CONFIG\t:\tALL\r\nEXIT\r\n");
        EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex, 2);
        // A queue's port was used for the exchange, and the selection is back on the queue.
        EXPECT_EQ(window_->interfaces().group(), group);
        EXPECT_EQ(app_.current.portType, type);
        EXPECT_EQ(session_->openKind(), PortType::None);
    }
}

TEST_F(FlowTest, PrinterActionsOverEveryLink) {
    for (const Link link : kLinks) {
        SCOPED_TRACE(linkName(link));
        reset();
        if (!start({}, link)) {
            if (link == Link::Queue) continue;
            return;
        }
        const auto group = window_->interfaces().group();
        window_->ChangeTab(TabIndex::SensorAdjustment);
        window_->OnSendConfiguration();
        ASSERT_EQ(person_.messages().size(), 1u);
        EXPECT_EQ(person_.messages()[0], GuideText(11, Region::English));
        EXPECT_TRUE(wire().ends_with("AUTO CALIBRATION\r\nSAVE\r\nEND\r\n"));

        clearRecord();
        window_->ChangeTab(TabIndex::PrintTest);
        window_->OnSendConfiguration(); // the self test of the native language
        EXPECT_TRUE(wireWith("\x02Z\r\n").ends_with("\x02Z\r\n"));
        EXPECT_EQ(person_.messages().size(), 1u);
        EXPECT_EQ(window_->interfaces().group(), group);
        EXPECT_EQ(session_->openKind(), PortType::None);
    }
}

TEST_F(FlowTest, FailuresCloseTheInterfaceAndRestoreTheSelection) {
    struct Case {
        const char* name;
        std::vector<std::string> simArgs;
        bool stopSimulator;
        int code;
    };
    const Case cases[] = {
        {"no reply", {"--silent"}, false, 82},
        {"no printer", {}, true, 30},
    };
    for (const Link link : kLinks) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(linkName(link)) + ": " + c.name);
            reset();
            if (!start(c.simArgs, link)) {
                if (link == Link::Queue) continue;
                return;
            }
            if (c.stopSimulator) sim_->stop();
            const auto group = window_->interfaces().group();
            const InterfaceSettings before = app_.current;
            window_->OnReceive();
            EXPECT_EQ(codes(), std::vector<int>{c.code});
            EXPECT_EQ(window_->receiveMode(), ReceiveMode::Failed);
            EXPECT_EQ(window_->interfaces().group(), group);
            EXPECT_EQ(app_.current.portType, before.portType);
            EXPECT_EQ(app_.current.portName, before.portName);
            EXPECT_EQ(session_->openKind(), PortType::None);
        }
    }
}

TEST_F(FlowTest, AQueueOnAPortOfNoKindIsNoInterfaceForDirectExchanges) {
    if (!startSpooler()) GTEST_SKIP() << "cupsd is not installed";
    ASSERT_TRUE(cupsd_->addQueue("nowhere", "file:///dev/null"));
    app_.current.portType = PortType::Printer;
    app_.current.portName = "nowhere";
    openWindow();
    ASSERT_EQ(window_->interfaces().queues().text(), "nowhere");

    // Receive, sensor adjustment and the print test all stop before anything is opened.
    const std::function<void()> flows[] = {
        [&] { window_->OnReceive(); },
        [&] {
            window_->ChangeTab(TabIndex::SensorAdjustment);
            window_->OnSendConfiguration();
        },
        [&] {
            window_->ChangeTab(TabIndex::PrintTest);
            window_->OnSendConfiguration();
        },
    };
    for (const auto& flow : flows) {
        person_ = {};
        flow();
        EXPECT_EQ(codes(), std::vector<int>{40});
        EXPECT_EQ(window_->interfaces().group(), InterfacePanel::DriverName);
        EXPECT_EQ(app_.current.portType, PortType::Printer);
        EXPECT_EQ(app_.current.portName, "nowhere");
    }
    EXPECT_EQ(io_.count("Opening the interface"), 0);
}

TEST_F(FlowTest, SendToAQueueReportsWhyTheDocumentWasNotTaken) {
    struct Case {
        const char* name;
        const char* tool; // run on the queue after the window opened
        int code;
    };
    const Case cases[] = {
        {"queue removed", "/usr/sbin/lpadmin", 30},
        {"queue rejects jobs", "/usr/sbin/cupsreject", 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        if (!start({}, Link::Queue)) GTEST_SKIP() << "cupsd is not installed";
        const std::vector<std::string> args =
            std::string_view(c.tool).ends_with("lpadmin")
                ? std::vector<std::string>{c.tool, "-x", kQueueName}
                : std::vector<std::string>{c.tool, kQueueName};
        ASSERT_TRUE(cupsd_->run(args));
        window_->SetCheckAllBox(true);
        window_->OnSendConfiguration();
        EXPECT_EQ(codes(), std::vector<int>{c.code});
        EXPECT_EQ(window_->interfaces().group(), InterfacePanel::DriverName);
    }
}

TEST_F(FlowTest, AQueueOnASerialPortIsReachedThroughThatPortOnly) {
    struct Case {
        const char* name;
        bool listedPort; // the queue prints to the serial port the simulator is on
        std::vector<int> codes;
    };
    const Case cases[] = {
        {"listed port", true, {}},
        // Another serial port is listed and selected; the exchange must not go there.
        {"port not listed", false, {30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        if (!start({}, Link::Serial)) return;
        if (!startSpooler()) GTEST_SKIP() << "cupsd is not installed";
        const std::string device = c.listedPort ? serialPath() : tree_.path("dev/ttyS9");
        ASSERT_TRUE(cupsd_->addQueue("serial-queue", "serial:" + device + "?baud=9600"));
        app_.current.portType = PortType::Printer;
        app_.current.portName = "serial-queue";
        openWindow();
        window_->OnReceive();
        EXPECT_EQ(codes(), c.codes);
        EXPECT_EQ(wire().empty(), !c.listedPort);
        EXPECT_EQ(window_->interfaces().group(), InterfacePanel::DriverName);
        EXPECT_EQ(app_.current.portName, "serial-queue");
        EXPECT_EQ(session_->openKind(), PortType::None);
    }
}

} // namespace
} // namespace tessaline
