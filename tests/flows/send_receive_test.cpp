#include "flows/flow_fixture.h"

#include "platform/named_lock.h"
#include "text/text_tables.h"
#include "transport/command_prefix.h"

namespace tessaline {
namespace {

bool mentions(const std::vector<std::string>& messages, const std::string& code) {
    for (const auto& m : messages) {
        if (m.find("code : " + code) != std::string::npos) return true;
    }
    return false;
}

TEST_F(FlowTest, SendWithNothingTickedSendsNothing) {
    start();
    window_->OnSendConfiguration();
    EXPECT_TRUE(mentions(person_.messages(), "24"));
    EXPECT_EQ(person_.questions(), 0);
    EXPECT_EQ(recorded().find(CommandPrefix), std::string::npos);
}

TEST_F(FlowTest, SendPutsThePrefixAndTheTextOnTheWire) {
    start();
    window_->SetCheckAllBox(true);
    window_->OnSendConfiguration();
    ASSERT_EQ(person_.questions(), 1);
    EXPECT_TRUE(person_.messages().empty());
    sim_->stop(); // flushes what it received
    const std::string wire = recorded();
    const auto at = wire.find(CommandPrefix);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(wire.substr(at + CommandPrefix.size()), app_.records.configText);
    EXPECT_TRUE(app_.records.configText.ends_with("END\r\n"));
    EXPECT_NE(app_.records.configText.find("PRINT SPEED\t:\t"), std::string::npos);
}

TEST_F(FlowTest, DecliningTheQuestionSendsNothing) {
    start();
    person_.fallback = false;
    window_->SetCheckAllBox(true);
    window_->OnSendConfiguration();
    EXPECT_EQ(person_.questions(), 1);
    EXPECT_EQ(recorded().find(CommandPrefix), std::string::npos);
}

TEST_F(FlowTest, ReceiveFillsTheStandardPage) {
    start();
    window_->OnReceive();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    EXPECT_EQ(window_->receiveMode(), ReceiveMode::Idle);
    const std::string wire = recorded();
    EXPECT_NE(wire.find("SEND CONFIG\t:\tALL\r\nEXIT\r\n"), std::string::npos);
    // The printer's settings are on the page.
    const RowPage& rows = window_->standard.rows();
    EXPECT_GE(rows.state(standard_row::kPrintSpeed).valueIndex, 0);
}

TEST_F(FlowTest, SentSettingsComeBack) {
    start();
    window_->SetCheckAllBox(true);
    window_->standard.selectValue(standard_row::kPrintSpeed, 2);
    window_->OnSendConfiguration();
    window_->ChangeModel(window_->model()); // back to the defaults
    window_->OnReceive();
    EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex, 2);
}

TEST_F(FlowTest, OpenFailureAndReplyErrors) {
    start({"--silent"});
    window_->OnReceive();
    EXPECT_TRUE(mentions(person_.messages(), "82"));
    EXPECT_EQ(window_->receiveMode(), ReceiveMode::Failed);

    person_.shown.clear();
    sim_->stop();
    window_->OnReceive(); // nothing listens any more
    EXPECT_TRUE(mentions(person_.messages(), "30"));
    // The selection is unchanged after the failure.
    EXPECT_EQ(app_.current.portType, PortType::Network);
}

TEST_F(FlowTest, AReceiveLockHeldElsewhereIsSaidAndSelfInfoEndsAtOnce) {
    start();
    const auto held = NamedLock::TryAcquire("tessaline-test-recv-" + std::to_string(::getpid()));
    ASSERT_TRUE(held);
    window_->OnReceive();
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0], OwnMessageText(OwnMessage::ReceiveBusy, Region::English));
    EXPECT_TRUE(codes().empty());
    EXPECT_TRUE(wire().empty());
    person_.shown.clear();
    window_->OnSelfInfo();
    EXPECT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(window_->receiveMode(), ReceiveMode::Failed);
    EXPECT_FALSE(selfInfo_);
}

TEST_F(FlowTest, SelfInfoShowsTheMachineAndSettingsTexts) {
    app_.current.appMode = "QRVA";
    start();
    window_->OnSelfInfo();
    ASSERT_TRUE(selfInfo_);
    EXPECT_NE(selfInfo_->machineText.find("Model Number"), std::string::npos);
    EXPECT_NE(selfInfo_->settingsText.find("PRINT SPEED"), std::string::npos);
    const std::string wire = recorded();
    EXPECT_LT(wire.find("SEND MACHINE INFO"), wire.find("SEND CONFIG\t:\tSTANDARD"));
}

TEST_F(FlowTest, ExportThenImportGivesTheSameSettings) {
    start();
    window_->SetCheckAllBox(true);
    window_->standard.selectValue(standard_row::kPrintSpeed, 3);
    const std::string file = tree_.path("out.prn");
    person_.files = {file};
    window_->OnExport();
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    EXPECT_EQ(bytes.substr(0, CommandPrefix.size()), CommandPrefix);
    EXPECT_EQ(app_.current.defaultFolder, tree_.path() + "/");

    window_->ChangeModel(window_->model());
    person_.files = {file};
    window_->OnImport();
    EXPECT_TRUE(person_.messages().empty());
    EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex, 3);

    person_.files = {tree_.path("missing.prn")};
    window_->OnImport();
    EXPECT_TRUE(mentions(person_.messages(), "20"));
}

} // namespace
} // namespace tessaline
