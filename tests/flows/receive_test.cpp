// Receive: the requests of every scope, how replies are recognised, what is kept of them, and
// the receive state.
#include "flows/flow_fixture.h"

#include "config/key_table.h"
#include "transport/command_prefix.h"
#include "transport/request_catalogue.h"

namespace tessaline {
namespace {

std::string framed(RequestKind kind, EmulationKind emulation = EmulationKind::Native) {
    std::string text;
    BuildRequest(text, kind, emulation);
    return FrameForPrinter(kind, text);
}

const SettingValue& recordOf(const ConfigurationRecordSet& set, std::string_view key) {
    for (int n = 0; n < kKeyEntryCount; ++n) {
        if (set.entry(n).key == key) return set.entryRecord(n);
    }
    static const SettingValue none;
    ADD_FAILURE() << "no key " << key;
    return none;
}

TEST_F(FlowTest, EveryScopeAsksForItsRequestsOnly) {
    struct Case {
        const char* name;
        TabIndex tab;
        bool statusOnly;
        int model; // its emulation chooses the status query
        std::string wire;
        int questions;
    };
    const Case cases[] = {
        {"easy", TabIndex::Easy, false, 0, framed(RequestKind::StandardConfig), 1},
        {"standard", TabIndex::Standard, false, 0, framed(RequestKind::AllConfig), 1},
        {"advanced", TabIndex::Advanced, false, 0, framed(RequestKind::AdvancedConfig), 1},
        {"information", TabIndex::Information, false, 0,
         framed(RequestKind::Status, EmulationKind::Native) + framed(RequestKind::Counters), 1},
        {"status only, native", TabIndex::Information, true, 0,
         "\x01"
         "A",
         0},
        {"status only, zebra", TabIndex::Information, true, 1, "~HS\r\n", 0},
        {"status only, eltron", TabIndex::Information, true, 2, "^ee\r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        app_.current.advancedTab = "ON";
        if (!start({"--model", std::to_string(c.model)})) return;
        window_->ChangeModel(c.model);
        window_->ChangeTab(c.tab);
        window_->information.setStatusOnly(c.statusOnly);
        person_.shown.clear();
        window_->OnReceive();
        EXPECT_EQ(person_.questions(), c.questions);
        EXPECT_TRUE(person_.messages().empty()) << person_.messages().front();
        EXPECT_EQ(window_->receiveMode(), ReceiveMode::Idle);
        EXPECT_EQ(wire(), c.wire);
        if (c.tab == TabIndex::Information && !c.statusOnly) {
            EXPECT_EQ(window_->information.counter(0), "A1B2C3D4");
        }
    }
}

TEST_F(FlowTest, EveryReceiveOnTheInformationTabClearsTheCountersFirst) {
    if (!start()) return;
    window_->ChangeTab(TabIndex::Information);
    window_->OnReceive();
    ASSERT_EQ(window_->information.counter(0), "A1B2C3D4");
    window_->information.setStatusOnly(true);
    window_->OnReceive();
    EXPECT_TRUE(person_.messages().empty());
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(window_->information.counter(k).empty()) << k;
}

TEST_F(FlowTest, ReplyRecognition) {
    struct Case {
        const char* name;
        std::vector<std::string> simArgs;
        std::vector<int> codes; // of two receives in a row
    };
    const Case cases[] = {
        // One stray byte in front of the prefix is forgiven once in every receive.
        {"one stray byte", {"--stray", "1"}, {}},
        {"two stray bytes", {"--stray", "2"}, {32, 32}},
        // A reply that never completes is a reception error, not a wrong reply.
        {"never complete", {"--garbage"}, {82, 82}},
        {"half a reply", {"--close-mid-reply"}, {82, 82}},
        // Longer than the reply buffer: cut off, so nothing of it is taken.
        {"too long", {"--oversize"}, {32, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        if (!start(c.simArgs)) return;
        window_->standard.selectValue(standard_row::kPrintSpeed, 2);
        window_->OnReceive();
        window_->OnReceive();
        EXPECT_EQ(codes(), c.codes);
        // The pages show a reply only when it was taken.
        EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex,
                  c.codes.empty() ? 5 : 2);
        EXPECT_EQ(window_->receiveMode(),
                  c.codes.empty() ? ReceiveMode::Idle : ReceiveMode::Failed);
    }
}

TEST_F(FlowTest, WirelessSecretsAreNotKeptFromAReceive) {
    if (!start()) return;
    window_->SetCheckAllBox(true);
    window_->standard.typeEditText(83, "KEY01"); // WEP Key 1
    window_->standard.typeEditText(87, "pre-shared-secret");
    window_->OnSendConfiguration();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    ASSERT_NE(wireWith("END\r\n").find("WLAN WEP KEY 1\t:\tKEY01\r\n"), std::string::npos);

    window_->ChangeModel(window_->model());
    window_->OnReceive();
    ASSERT_TRUE(person_.messages().empty());
    for (const char* key : {"WLAN WEP KEY 1", "WLAN WEP KEY 2", "WLAN WEP KEY 3", "WLAN WEP KEY 4",
                            "WLAN PSK", "EAP PASSWORD"}) {
        EXPECT_EQ(recordOf(app_.records, key).selected, 0) << key;
        EXPECT_TRUE(recordOf(app_.records, key).valueText.empty()) << key;
    }
    EXPECT_EQ(recordOf(app_.records, "PRINT SPEED").selected, 1);

    // A following Send does not carry them back.
    clearRecord();
    window_->SetCheckAllBox(true);
    window_->OnSendConfiguration();
    const std::string sent = wireWith("END\r\n");
    EXPECT_NE(sent.find("END\r\n"), std::string::npos);
    EXPECT_EQ(sent.find("KEY01"), std::string::npos);
    EXPECT_EQ(sent.find("pre-shared-secret"), std::string::npos);
}

TEST_F(FlowTest, TheEasyReceiveKeepsOnlyTheEasySettings) {
    if (!start()) return;
    window_->ChangeTab(TabIndex::Easy);
    window_->OnReceive();
    ASSERT_TRUE(person_.messages().empty());
    for (const char* key : {"PRINT METHOD", "CONTINUOUS MEDIA LENGTH", "VERTICAL POSITION",
                            "MEDIA SENSOR", "FUNCTION SELECT", "PAPER POSITION"})
        EXPECT_EQ(recordOf(app_.records, key).selected, 1) << key;
    EXPECT_EQ(recordOf(app_.records, "PRINT SPEED").selected, 0);
    EXPECT_EQ(recordOf(app_.records, "SYMBOL SET").selected, 0);
}

TEST_F(FlowTest, ReceiveStateFollowsEveryOutcome) {
    app_.current.appMode = "QRVA";
    if (!start()) return;
    struct Step {
        const char* name;
        std::function<void()> act;
        ReceiveMode mode;
        bool selfInfoShown;
    };
    const Step steps[] = {
        {"received", [&] { window_->OnReceive(); }, ReceiveMode::Idle, false},
        {"declined, idle before",
         [&] {
             person_.answers = {false};
             window_->OnReceive();
         },
         ReceiveMode::Idle, false},
        {"declined self info",
         [&] {
             person_.answers = {false};
             window_->OnSelfInfo();
         },
         ReceiveMode::Failed, false},
        {"declined, failed before",
         [&] {
             person_.answers = {false};
             window_->OnReceive();
         },
         ReceiveMode::Failed, false},
        {"self info", [&] { window_->OnSelfInfo(); }, ReceiveMode::Idle, true},
        {"printer gone",
         [&] {
             sim_->stop();
             window_->OnSelfInfo();
         },
         ReceiveMode::Failed, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        selfInfo_.reset();
        step.act();
        EXPECT_EQ(window_->receiveMode(), step.mode);
        EXPECT_EQ(selfInfo_.has_value(), step.selfInfoShown);
    }
    EXPECT_EQ(codes(), std::vector<int>{30});
}

TEST_F(FlowTest, SelfInfoWithoutAnAnswerEndsWithTheReceptionError) {
    app_.current.appMode = "QRVA";
    if (!start({"--silent"})) return;
    window_->OnSelfInfo();
    EXPECT_EQ(codes(), std::vector<int>{82});
    EXPECT_FALSE(selfInfo_);
    EXPECT_EQ(window_->receiveMode(), ReceiveMode::Failed);
}

} // namespace
} // namespace tessaline
