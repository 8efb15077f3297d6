// Sensor adjustment, its export, the print test and sending a print file.
#include "flows/flow_fixture.h"

#include "app/recent_configuration.h"
#include "text/error_detail.h"
#include "text/messages.h"
#include "text/text_tables.h"
#include "transport/command_prefix.h"
#include "transport/request_catalogue.h"

namespace tessaline {
namespace {

constexpr std::string_view kAdjustmentTail = "AUTO CALIBRATION\r\nSAVE\r\nEND\r\n";

std::string guide(int entry) {
    return std::string(GuideText(entry, Region::English));
}

bool noStandardItemChecked(const MainWindowModel& window) {
    const RowPage& rows = window.standard.rows();
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.state(i).checked) return false;
    }
    return true;
}

std::string pattern(size_t size) {
    std::string bytes;
    for (size_t i = 0; i < size; ++i)
        bytes += static_cast<char>('0' + i % 10);
    return bytes;
}

TEST_F(FlowTest, SensorAdjustmentOutcomes) {
    struct Case {
        const char* name;
        std::vector<std::string> simArgs;
        std::string message;
        std::optional<MessageStyle> style; // of the guide messages
    };
    const Case cases[] = {
        {"succeeded", {}, guide(11), MessageStyle::InformationOk},
        {"failed", {"--fail-calibration"}, guide(12), MessageStyle::StopOk},
        {"two stray bytes", {"--stray", "2"}, guide(11), MessageStyle::InformationOk},
        {"three stray bytes", {"--stray", "3"}, "code : 32", std::nullopt},
        {"no reply", {"--silent"}, "code : 32", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        if (!start(c.simArgs)) return;
        window_->ChangeTab(TabIndex::SensorAdjustment);
        window_->OnSendConfiguration();
        ASSERT_EQ(person_.questions(), 1);
        EXPECT_EQ(person_.shown[0].text, guide(10));
        ASSERT_EQ(person_.messages().size(), 1u);
        EXPECT_NE(person_.messages()[0].find(c.message), std::string::npos)
            << person_.messages()[0];
        if (c.style) {
            EXPECT_EQ(person_.shown.back().style, *c.style);
        }
        // The status line reports an adjustment the printer ran, whatever its outcome.
        EXPECT_EQ(window_->lastDone().phrase(),
                  c.style ? std::optional(DetailPhrase::SensorAdjustmentRun) : std::nullopt);
        const std::string sent = wire();
        EXPECT_TRUE(sent.starts_with(CommandPrefix));
        EXPECT_TRUE(sent.ends_with(kAdjustmentTail));
        EXPECT_NE(sent.find("MEDIA SENSOR\t:\t"), std::string::npos);
        EXPECT_TRUE(noStandardItemChecked(*window_));
        EXPECT_EQ(session_->openKind(), PortType::None);
    }
}

TEST_F(FlowTest, SensorAdjustmentSendsTheConfigSetOnlyWhenItsBoxIsChecked) {
    if (!start()) return;
    window_->ChangeTab(TabIndex::SensorAdjustment);
    for (const bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        clearRecord();
        window_->calibration.setConfigSetChecked(checked);
        window_->OnSendConfiguration();
        const std::string sent = wire();
        EXPECT_TRUE(sent.ends_with(kAdjustmentTail));
        EXPECT_EQ(sent.find("GLOBAL CONFIG\t:\t") != std::string::npos, checked);
        EXPECT_NE(sent.find("MEDIA SENSOR\t:\t"), std::string::npos);
        EXPECT_EQ(window_->calibration.configSetChecked(), checked);

        const std::string file = tree_.path("adjust.prn");
        person_.files = {file};
        window_->OnExport();
        std::string exported;
        ASSERT_TRUE(readWholeFile(file, exported));
        EXPECT_EQ(exported.find("GLOBAL CONFIG\t:\t") != std::string::npos, checked);
    }
}

TEST_F(FlowTest, ExportOnTheSensorAdjustmentTabWritesTheAdjustmentText) {
    if (!start()) return;
    window_->ChangeTab(TabIndex::SensorAdjustment);
    const std::string file = tree_.path("adjust.prn");
    person_.files = {file, tree_.path("missing/adjust.prn")};
    window_->OnExport();
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    EXPECT_EQ(bytes, ConfigurationFileBytes(app_.records.configText));
    EXPECT_TRUE(bytes.starts_with(CommandPrefix));
    EXPECT_TRUE(bytes.ends_with(kAdjustmentTail));
    EXPECT_TRUE(noStandardItemChecked(*window_));
    EXPECT_TRUE(person_.messages().empty());

    window_->OnExport(); // into a folder that does not exist
    EXPECT_EQ(codes(), std::vector<int>{22});
    EXPECT_TRUE(wire().empty());
}

TEST_F(FlowTest, PrintTestSendsTheCommandOfThePrintersLanguage) {
    struct Case {
        int model; // the simulator reports the language of its model
        PrintMode mode;
        std::string command;
    };
    const Case cases[] = {
        {0, PrintMode::SelfTest, "\x02Z\r\n"}, {0, PrintMode::PrintSample, "\x02\x1bQ4\r\n"},
        {1, PrintMode::SelfTest, "~WC\n"},     {1, PrintMode::PrintSample, "~!Q4\n"},
        {2, PrintMode::SelfTest, "U\n"},       {2, PrintMode::PrintSample, "~!Q4\n"},
    };
    std::string query;
    BuildRequest(query, RequestKind::StandardConfig, EmulationKind::Native);
    query = FrameForPrinter(RequestKind::StandardConfig, query);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        reset();
        if (!start({"--model", std::to_string(c.model)})) return;
        window_->ChangeTab(TabIndex::PrintTest);
        window_->printTest.setPrintMode(c.mode);
        window_->OnSendConfiguration();
        EXPECT_EQ(person_.questions(), 1);
        EXPECT_TRUE(person_.messages().empty());
        recordedWhen([&](const std::string& b) { return b.ends_with(c.command); });
        EXPECT_EQ(wire(), query + c.command);
        EXPECT_EQ(window_->lastDone().phrase(), c.mode == PrintMode::SelfTest
                                                    ? DetailPhrase::SelfTestSent
                                                    : DetailPhrase::SampleSent);
    }

    // A printer whose language is not known prints nothing and nothing is said.
    reset();
    if (!start({"--silent"})) return;
    window_->ChangeTab(TabIndex::PrintTest);
    window_->OnSendConfiguration();
    EXPECT_TRUE(person_.messages().empty());
    EXPECT_EQ(wire(), query);
    EXPECT_EQ(session_->openKind(), PortType::None);
}

TEST_F(FlowTest, APrintFileGoesOutUnchangedInBlocks) {
    struct Case {
        size_t size;
        int sends;
    };
    const Case cases[] = {{2500, 3}, {1024, 1}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        reset();
        if (!start()) return;
        const std::string file = tree_.path("label.prn");
        tree_.write("label.prn", pattern(c.size));
        window_->ChangeTab(TabIndex::PrintTest);
        window_->printTest.setPrintMode(PrintMode::SendFile);
        window_->printTest.setFileField(file);
        window_->OnSendConfiguration();
        EXPECT_EQ(person_.questions(), 1);
        EXPECT_TRUE(person_.messages().empty());
        EXPECT_EQ(io_.count("Opening the interface"), 1);
        EXPECT_EQ(io_.count("Sending"), c.sends);
        EXPECT_EQ(io_.count("Closing the interface"), 1);
        recordedWhen([&](const std::string&) { return wire().size() >= c.size; });
        EXPECT_EQ(wire(), pattern(c.size));
        EXPECT_EQ(RenderDetail(window_->lastDone(), Region::English)
                      .find(file + " sent to 127.0.0.1:" + std::to_string(sim_->port())),
                  0u);
    }
}

TEST_F(FlowTest, PrintFileFailures) {
    // Without a file in the field the file dialog comes first, and no question follows it.
    if (!start()) return;
    window_->ChangeTab(TabIndex::PrintTest);
    window_->printTest.setPrintMode(PrintMode::SendFile);
    person_.files = {std::nullopt};
    window_->OnSendConfiguration();
    EXPECT_EQ(person_.fileDialogs.size(), 1u);
    EXPECT_EQ(person_.questions(), 0);
    EXPECT_EQ(io_.count("Opening the interface"), 0);

    const std::string gone = tree_.path("gone.prn");
    person_.files = {gone};
    window_->OnSendConfiguration();
    EXPECT_EQ(window_->printTest.fileField(), gone);
    EXPECT_EQ(person_.questions(), 0);
    EXPECT_EQ(codes(), std::vector<int>{80});
    EXPECT_EQ(session_->openKind(), PortType::None);

    // A printer that takes nothing more ends the send with the transfer error.
    reset();
    if (!start({"--stop-reading"}, Link::Serial)) return;
    tree_.write("big.prn", pattern(512 * 1024));
    window_->ChangeTab(TabIndex::PrintTest);
    window_->printTest.setPrintMode(PrintMode::SendFile);
    window_->printTest.setFileField(tree_.path("big.prn"));
    window_->OnSendConfiguration();
    EXPECT_EQ(codes(), std::vector<int>{31});
    EXPECT_EQ(session_->openKind(), PortType::None);
    EXPECT_EQ(app_.current.portType, PortType::Serial);
}

} // namespace
} // namespace tessaline
