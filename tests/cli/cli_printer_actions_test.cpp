// Status, counters, self information, the sensor adjustment and the print tests through
// tessaline-cli against the simulator.
#include "cli_fixture.h"
#include "cli_json.h"

#include <filesystem>

namespace {

TEST_F(CliTest, StatusAndInformation) {
    startSim({"--status", "paper,pause"});
    const CliResult status = cli({"status"}); // asks nothing
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(status.out, "Paper Error : Yes\nRibbon Error : No\nPrinting : No\nPause : Yes\n"
                          "Waiting for peeling : No\n");
    const CliResult info = cli({"--yes", "--json", "info"});
    ASSERT_EQ(info.status, 0) << info.err;
    const nlohmann::json reply = parsedJson(info.out);
    EXPECT_EQ(reply["status"]["paperError"], "Yes") << info.out;
    EXPECT_TRUE(reply["counters"]["serialNumber"].is_string()) << info.out;
    EXPECT_EQ(cli({"info"}).status, 1); // the receive question answered No
    const std::string bytes = wire();
    EXPECT_EQ(bytes.find(std::string(tessaline::CommandPrefix) + "SEND CONFIG"), std::string::npos);
}

TEST_F(CliTest, EltronStatusShowsTheErrorCode) {
    startSim({"--model", "RV-940E", "--epl-code", "07"});
    const CliResult status = cli({"--model", "2", "status"});
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(status.out, "Error code : 07 Paper end / Ribbon end\n");
}

TEST_F(CliTest, SelfInformationPrintsAndSaves) {
    startSim({"--serial", "SN-77"});
    const CliResult shown = cli({"--yes", "selfinfo"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.find("Model Number\t:\t"), 0u) << shown.out;
    EXPECT_NE(shown.out.find("\n\nPRINT SPEED\t:\t"), std::string::npos) << shown.out;

    const CliResult saved = cli({"--yes", "selfinfo", "--save"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(saved.err.find(" was saved."), std::string::npos) << saved.err;
    int csvFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(process_.folder()))
        csvFiles += entry.path().extension() == ".csv" ? 1 : 0;
    EXPECT_EQ(csvFiles, 1);
}

// A serial number that is a terminal escape sequence is shown, never obeyed, and never reaches a
// file name.
TEST_F(CliTest, PrinterTextNeverReachesTheTerminalOrAFileNameRaw) {
    startSim({"--serial", "\x1b]0;TITLE\a"});
    const CliResult info = cli({"--yes", "info"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("\\x1B]0;TITLE\\x07"), std::string::npos) << info.out;
    const CliResult saved = cli({"--yes", "selfinfo", "--save"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    for (const CliResult* r : {&info, &saved}) {
        EXPECT_EQ(r->out.find('\x1b'), std::string::npos) << r->out;
        EXPECT_EQ(r->err.find('\x1b'), std::string::npos) << r->err;
    }
    int csvFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(process_.folder())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".csv") continue;
        ++csvFiles;
        for (const char c : name)
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << name;
    }
    EXPECT_EQ(csvFiles, 1);
}

TEST_F(CliTest, SensorAdjustment) {
    startSim();
    const CliResult done = cli({"--yes", "calibrate", "--media", "marks"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.err, "Sensor adjustment done successfully.\n");
    EXPECT_EQ(afterPrefix(wire()),
              "MEDIA SENSOR\t:\tREFLECT\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n");

    startSim({"--fail-calibration"});
    const CliResult failed = cli({"--yes", "calibrate"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Sensor adjustment failed."), std::string::npos) << failed.err;
    EXPECT_EQ(cli({"calibrate"}).status, 1); // not confirmed
}

TEST_F(CliTest, SensorAdjustmentStoresTheChosenConfigSet) {
    startSim();
    const CliResult done = cli({"--yes", "calibrate", "--config-set", "2"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_NE(afterPrefix(wire()).find("GLOBAL CONFIG\t:\tCONFIG SET 2\r\n"), std::string::npos);
}

TEST_F(CliTest, PrintTestsAndPrintFiles) {
    struct Case {
        std::string simModel;
        std::vector<std::string> words;
        std::string tail; // the last bytes on the wire
    };
    const std::string file = process_.folder("label.bin");
    std::string label(2500, 'x');
    label.back() = '\n';
    std::ofstream(file, std::ios::binary) << label;
    const Case cases[] = {
        {"0", {"--yes", "selftest"}, "\x02Z\r\n"},
        {"0", {"--yes", "sample"}, "\x02\x1bQ4\r\n"},
        {"1", {"--yes", "--model", "1", "selftest"}, "~WC\n"},
        {"2", {"--yes", "--model", "2", "selftest"}, "U\n"},
        {"2", {"--yes", "--model", "2", "sample"}, "~!Q4\n"},
        {"0", {"--yes", "print", file}, label},
    };
    for (const Case& c : cases) {
        startSim({"--model", c.simModel});
        const CliResult run = cli(c.words);
        EXPECT_EQ(run.status, 0) << c.words.back() << run.err;
        EXPECT_TRUE(wire().ends_with(c.tail)) << c.words.back();
    }
}

// A print test that prints nothing says why: the printer named no language the command exists in
// (32), or did not answer the question for its language (82).
TEST_F(CliTest, PrintTestsThatPrintNothingSayWhy) {
    const std::string nothing = ": the printer did not report a printer language this can be "
                                "printed in. Nothing was printed.\n";
    struct Case {
        std::vector<std::string> simArgs;
        std::string command;
        int status;
        std::string errStart;
        std::string printed; // the print command that must not reach the printer
    };
    const Case cases[] = {
        {{"--garbage", "--after-reply", "END\r\n"},
         "selftest",
         32,
         "code : 32\nAcquisition data has an error.\ntessaline-cli: 127.0.0.1:",
         "\x02Z\r\n"},
        {{"--silent"},
         "sample",
         82,
         "code : 82\nReception error has occured.\ntessaline-cli: 127.0.0.1:",
         "\x02\x1bQ4\r\n"},
    };
    for (const Case& c : cases) {
        startSim(c.simArgs);
        const CliResult run = cli({"--yes", c.command});
        EXPECT_EQ(run.status, c.status) << c.command << run.err;
        EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
        EXPECT_TRUE(run.err.ends_with(nothing)) << run.err;
        // The silent printer's own detail comes first.
        EXPECT_EQ(run.err.find(": no answer within ") != std::string::npos, c.status == 82)
            << run.err;
        EXPECT_EQ(wire().find(c.printed), std::string::npos) << c.command;
    }
}

} // namespace
