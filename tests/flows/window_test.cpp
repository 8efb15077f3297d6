// The main window's own rules: the Advanced warning, the check-all box, model and language
// changes and the USB notification.
#include "flows/flow_fixture.h"

#include "config/printer_models.h"

namespace tessaline {
namespace {

int checkedRows(const RowPage& rows) {
    int n = 0;
    for (int i = 0; i < rows.size(); ++i)
        n += rows.state(i).checked ? 1 : 0;
    return n;
}

struct Checked {
    bool easy, standard, advanced, calibration;
    bool operator==(const Checked&) const = default;
};

Checked checkedPages(const MainWindowModel& w) {
    return {checkedRows(w.easy.rows()) > 0, checkedRows(w.standard.rows()) > 0,
            checkedRows(w.advanced.rows()) > 0, w.calibration.configSetChecked()};
}

TEST_F(FlowTest, DecliningTheAdvancedWarningKeepsThePreviousTab) {
    app_.current.advancedTab = "ON";
    openWindow();
    ASSERT_TRUE(window_->ChangeTab(TabIndex::Easy));
    person_.answers = {false};
    EXPECT_FALSE(window_->ChangeTab(TabIndex::Advanced));
    EXPECT_EQ(window_->tab(), TabIndex::Easy);
    EXPECT_EQ(window_->receiveScope(), ReceiveScope::Easy);
    EXPECT_FALSE(window_->advancedConfirmed());

    EXPECT_TRUE(window_->ChangeTab(TabIndex::Advanced));
    EXPECT_EQ(window_->tab(), TabIndex::Advanced);
    EXPECT_TRUE(window_->advancedConfirmed());
    EXPECT_EQ(person_.questions(), 2);
    // Accepted once, never asked again.
    window_->ChangeTab(TabIndex::Standard);
    window_->ChangeTab(TabIndex::Advanced);
    EXPECT_EQ(person_.questions(), 2);
}

TEST_F(FlowTest, CheckAllChecksTheShownPageAndUncheckAllClearsEveryPage) {
    app_.current.advancedTab = "ON";
    openWindow();
    struct Case {
        TabIndex tab;
        Checked checked;
    };
    const Case cases[] = {
        {TabIndex::Easy, {true, false, false, false}},
        {TabIndex::Standard, {false, true, false, false}},
        {TabIndex::Information, {false, false, false, false}},
        {TabIndex::SensorAdjustment, {false, false, false, true}},
        {TabIndex::Advanced, {false, false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tab));
        window_->ChangeTab(c.tab);
        window_->SetCheckAllBox(true);
        EXPECT_EQ(checkedPages(*window_), c.checked);
        window_->SetCheckAllBox(false);
        EXPECT_EQ(checkedPages(*window_), (Checked{false, false, false, false}));
    }
    // Clearing on the Easy tab clears what was checked on the other pages.
    window_->ChangeTab(TabIndex::Standard);
    window_->SetCheckAllBox(true);
    window_->ChangeTab(TabIndex::Advanced);
    window_->SetCheckAllBox(true);
    window_->ChangeTab(TabIndex::Easy);
    window_->SetCheckAllBox(false);
    EXPECT_EQ(checkedPages(*window_), (Checked{false, false, false, false}));
}

TEST_F(FlowTest, ModelAndLanguageChangesShowTheModelDefaultsAgain) {
    app_.current.portType = PortType::Network;
    app_.current.portName = "10.1.2.3";
    openWindow();
    const int defaultSpeed = window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex;
    const std::function<void()> changes[] = {
        [&] { window_->ChangeModel(window_->model()); },
        [&] { window_->ChangeLanguage(Region::Japanese); },
        [&] { window_->ChangeLanguage(Region::English); },
    };
    for (const auto& change : changes) {
        window_->SetCheckAllBox(true);
        window_->standard.selectValue(standard_row::kPrintSpeed, defaultSpeed - 1);
        change();
        EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex,
                  defaultSpeed);
        EXPECT_FALSE(window_->checkAllBox());
        EXPECT_EQ(checkedRows(window_->standard.rows()), 0);
        EXPECT_EQ(window_->interfaces().group(), InterfacePanel::IpAddress);
        EXPECT_EQ(app_.current.portName, "10.1.2.3");
    }
    EXPECT_EQ(app_.current.region, static_cast<int>(Region::English));

    // Another model takes its own defaults and its own status query.
    window_->ChangeModel(1);
    EXPECT_EQ(app_.current.printerModel, modelNames()[1]);
    EXPECT_EQ(window_->emulationKind(), EmulationKind::Zebra);
    window_->ChangeModel(2);
    EXPECT_EQ(window_->emulationKind(), EmulationKind::Eltron);
    EXPECT_TRUE(window_->information.eplStatusGroupEnabled());
}

TEST_F(FlowTest, RestoreDefaultsAsksFirstAndResetsThePages) {
    openWindow();
    const int defaultSpeed = window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex;
    const auto edit = [&] {
        window_->SetCheckAllBox(true);
        window_->standard.selectValue(standard_row::kPrintSpeed, defaultSpeed - 1);
    };
    edit();
    person_.answers = {false};
    window_->OnRestoreDefaults();
    EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex,
              defaultSpeed - 1);
    EXPECT_TRUE(window_->checkAllBox());

    window_->OnRestoreDefaults();
    EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex, defaultSpeed);
    EXPECT_FALSE(window_->checkAllBox());
    EXPECT_EQ(person_.questions(), 2);

    // Where the button is disabled nothing happens.
    edit();
    window_->ChangeTab(TabIndex::Information);
    window_->OnRestoreDefaults();
    EXPECT_EQ(person_.questions(), 2);
    EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex,
              defaultSpeed - 1);
}

TEST_F(FlowTest, StartUpPicksTheSavedQueueElseTheMakersElseTheDefaultPrinter) {
    if (!startSpooler()) GTEST_SKIP() << "cupsd is not installed";
    for (const char* queue : {"alpha", "Kaldora-940", "zeta"})
        ASSERT_TRUE(cupsd_->addQueue(queue, "socket://127.0.0.1:9"));
    ASSERT_TRUE(cupsd_->run({"/usr/sbin/lpadmin", "-d", "zeta"}));
    struct Case {
        PortType type;
        const char* savedName;
        const char* selected;
    };
    const Case cases[] = {
        {PortType::Printer, "alpha", "alpha"},
        {PortType::Printer, "gone", "Kaldora-940"},
        {PortType::None, "", "Kaldora-940"},
    };
    const auto listed = [&] {
        return ListPrinterQueues(spooler_, testChannelSetup(tree_).discovery);
    };
    // Listed at the start, or afterwards as the windows list them.
    for (const bool later : {false, true}) {
        queuesListedLater_ = later;
        const auto open = [&] {
            openWindow();
            if (later) {
                EXPECT_TRUE(window_->interfaces().queues().entries.empty());
                window_->TakeQueueTable(listed());
            }
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.savedName) + (later ? " later" : ""));
            app_.current.portType = c.type;
            app_.current.portName = c.savedName;
            open();
            EXPECT_EQ(window_->interfaces().queues().text(), c.selected);
            EXPECT_EQ(app_.current.portName, c.selected);
            EXPECT_EQ(app_.current.portType, PortType::Printer);
            EXPECT_EQ(window_->interfaces().queueDescription(), "127.0.0.1, 9");
        }
    }
    ASSERT_TRUE(cupsd_->run({"/usr/sbin/lpadmin", "-x", "Kaldora-940"}));
    for (const bool later : {false, true}) {
        queuesListedLater_ = later;
        app_.current.portName = "gone";
        openWindow();
        if (later) window_->TakeQueueTable(listed());
        EXPECT_EQ(window_->interfaces().queues().text(), "zeta") << later;
    }
}

TEST_F(FlowTest, QueuesListedLaterLeaveAnotherChosenInterfaceAlone) {
    QueueTable table;
    table.names = {"alpha"};
    table.ports["alpha"] = "127.0.0.1, 9";
    table.kinds["alpha"] = static_cast<int>(PortType::Network);
    queuesListedLater_ = true;
    // Saved with another interface, and chosen away from the queues before they arrive.
    app_.current.portType = PortType::Network;
    app_.current.portName = "127.0.0.1";
    app_.current.portNumber = "9100";
    openWindow();
    window_->TakeQueueTable(table);
    EXPECT_EQ(window_->interfaces().group(), InterfacePanel::IpAddress);
    EXPECT_EQ(app_.current.portType, PortType::Network);
    EXPECT_EQ(app_.current.portName, "127.0.0.1");
    EXPECT_EQ(window_->interfaces().queues().text(), "alpha");

    app_ = {};
    app_.current.portType = PortType::Printer;
    app_.current.portName = "alpha";
    openWindow();
    window_->ChooseInterface(InterfacePanel::IpAddress);
    window_->TakeQueueTable(table);
    EXPECT_EQ(window_->interfaces().group(), InterfacePanel::IpAddress);
    EXPECT_EQ(app_.current.portType, PortType::Network);
}

TEST_F(FlowTest, WithoutTheAdvancedTabThereAreFiveTabs) {
    openWindow();
    EXPECT_EQ(window_->tabs().size(), 5u);
    app_.current.advancedTab = "ON";
    openWindow();
    EXPECT_EQ(window_->tabs().size(), 6u);
    EXPECT_EQ(window_->tabs().back(), TabIndex::Advanced);
}

TEST_F(FlowTest, UsbNotificationNamesThePortInUse) {
    openWindow();
    window_->UsbNotification("\\\\?\\usb#vid_1234&pid_5678#serial#{guid}#USB003");
    EXPECT_EQ(window_->interfaces().usbInUse(), "USB003");
    window_->UsbNotification("\\\\?\\usb#vid_1234&pid_5678#serial#USB004"); // four parts
    EXPECT_EQ(window_->interfaces().usbInUse(), "USB003");
    window_->UsbNotification("a#b#c#d#USB005"); // no "&" in the second part
    EXPECT_EQ(window_->interfaces().usbInUse(), "USB003");
}

} // namespace
} // namespace tessaline
