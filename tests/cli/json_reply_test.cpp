// tessaline-cli --json: one JSON object on standard output for every command, whether it worked
// or not, against the simulator on loopback TCP.
#include "cli_fixture.h"
#include "cli_json.h"

#include <fstream>

namespace {

struct Expected {
    std::vector<std::string> words;
    int code;
    std::string message; // the start of the message; empty: no message
    std::string detail;  // a part of the detail; empty: no detail
    std::string data;    // a field of the command's data; empty: none expected
};

// Checks that the run printed exactly one JSON object with the expected fields.
void expectReply(const CliResult& run, const Expected& e) {
    SCOPED_TRACE(testing::PrintToString(e.words));
    EXPECT_EQ(run.status, e.code) << run.err;
    const nlohmann::json reply = parsedJson(run.out);
    ASSERT_TRUE(reply.is_object()) << run.out;
    EXPECT_EQ(reply["ok"], e.code == 0);
    EXPECT_EQ(reply["code"], e.code);
    const std::string message = reply["message"];
    const std::string detail = reply["detail"];
    if (e.message.empty()) {
        EXPECT_EQ(message, "");
    } else {
        EXPECT_TRUE(message.starts_with(e.message)) << message;
    }
    if (e.detail.empty()) {
        EXPECT_EQ(detail, "");
    } else {
        EXPECT_NE(detail.find(e.detail), std::string::npos) << detail;
    }
    if (!e.data.empty()) {
        EXPECT_TRUE(reply.contains(e.data)) << run.out;
    }
    // The messages still go to standard error.
    if (!message.empty()) {
        EXPECT_NE(run.err.find(message.substr(0, 9)), std::string::npos);
    }
}

TEST_F(CliTest, JsonReplyOfEveryCommandThatWorks) {
    startSim();
    const std::string standard = kExamples + "rv940-standard.prn";
    const std::string label = process_.folder("label.txt");
    { std::ofstream(label) << "^XA^FDhello^FS^XZ\n"; }
    const Expected cases[] = {
        {{"ports"}, 0, "", "", "queues"},
        {{"parse", standard}, 0, "", "", "records"},
        {{"check", standard}, 0, "", "", "settings"},
        {{"defaults"}, 0, "", "", "settings"},
        {{"texts"}, 0, "", "", "items"},
        {{"--yes", "send", standard}, 0, "", "", ""},
        {{"export", standard, process_.folder("copy.prn")}, 0, "", "", ""},
        {{"--yes", "receive"}, 0, "", "", "settings"},
        {{"status"}, 0, "", "", "status"},
        {{"--yes", "info"}, 0, "", "", "counters"},
        {{"--yes", "selfinfo"}, 0, "", "", "machine"},
        {{"--yes", "calibrate"}, 0, "", "", ""},
        {{"--yes", "selftest"}, 0, "", "", ""},
        {{"--yes", "sample"}, 0, "", "", ""},
        {{"--yes", "print", label}, 0, "", "", ""},
    };
    for (const Expected& e : cases) {
        std::vector<std::string> words = e.words;
        words.insert(words.begin(), "--json");
        expectReply(cli(words), e);
    }
}

TEST_F(CliTest, JsonReplyOfEveryFailure) {
    startSim({"--fail-calibration"});
    const std::string standard = kExamples + "rv940-standard.prn";
    const std::string missing = process_.folder("missing.prn");
    const std::string refused = process_.folder("refused.prn");
    {
        std::ofstream(refused, std::ios::binary)
            << "~!!\r\n\x02\x1b~A\r\nPRINT SPEED\t:\t99 IPS\r\nPRINT DARKNESS\t:\t20\r\nEND\r\n";
    }
    const std::string importError = "code : 20\nImport error.";
    const Expected cases[] = {
        {{"parse", missing}, 20, importError, missing, ""},
        {{"check", missing}, 20, importError, missing, ""},
        {{"--yes", "send", missing}, 20, importError, missing, ""},
        {{"export", standard, process_.folder("no/out.prn")}, 22, "code : 22", "no/out.prn", ""},
        {{"--model", "2", "check", refused},
         23,
         "code : 23",
         "PRINT DARKNESS: the value \"20\"",
         ""},
        {{"--yes", "print", missing}, 80, "code : 80", missing, ""},
        {{"--yes", "calibrate"}, 1, "Sensor adjustment failed.", "", ""},
        // A question answered No: no message of its own.
        {{"send", standard}, 1, "", "", ""},
        // Usage errors.
        {{"send"}, 2, "send takes one FILE", "", ""},
        {{"bogus"}, 2, "unknown command bogus", "", ""},
        {{"--bogus", "ports"}, 2, "unknown option --bogus", "", ""},
        {{"--model", "9", "defaults"}, 2, "unknown model 9", "", ""},
        {{"texts", "extra"}, 2, "texts takes no arguments", "", ""},
    };
    for (const Expected& e : cases) {
        std::vector<std::string> words = e.words;
        words.insert(words.begin(), "--json");
        expectReply(cli(words), e);
    }
    // --json after the command word is a usage error, still answered in JSON.
    expectReply(cli({"texts", "--json"}), {{}, 2, "texts takes no arguments", "", ""});
    // Several refused settings: one detail line each.
    const nlohmann::json reply = parsedJson(cli({"--json", "--model", "2", "check", refused}).out);
    const std::string detail = reply["detail"];
    EXPECT_TRUE(detail.starts_with("PRINT SPEED: the value \"99 IPS\"")) << detail;
    EXPECT_NE(detail.find(".\nPRINT DARKNESS: "), std::string::npos) << detail;
}

// Every command that talks to the printer, against a port nobody listens on.
TEST_F(CliTest, JsonReplyWhenThePrinterCannotBeReached) {
    const std::string standard = kExamples + "rv940-standard.prn";
    const std::vector<std::vector<std::string>> commands = {
        {"send", standard}, {"receive"}, {"status"},          {"info"}, {"selfinfo"}, {"calibrate"},
        {"selftest"},       {"sample"},  {"print", standard},
    };
    for (const auto& command : commands) {
        std::vector<std::string> words = {"--json", "--yes", "--language",
                                          "en",     "--tcp", "127.0.0.1:1"};
        words.insert(words.end(), command.begin(), command.end());
        expectReply(process_.run(words),
                    {command, 30, "code : 30\nOpen port error.", "127.0.0.1:1", ""});
    }
}

} // namespace
