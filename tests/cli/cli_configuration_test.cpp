// Send, receive, check, export and defaults through tessaline-cli against the simulator.
#include "cli_fixture.h"
#include "cli_json.h"

namespace {

const std::string kStandard = kExamples + "rv940-standard.prn";

TEST_F(CliTest, SendWritesThePrefixAndTheTextCheckPrints) {
    startSim();
    const CliResult check = cli({"check", kStandard});
    ASSERT_EQ(check.status, 0) << check.err;
    EXPECT_NE(check.out.find("PRINT SPEED\t:\t6 IPS\n"), std::string::npos);
    EXPECT_TRUE(check.out.ends_with("END\n"));

    const CliResult send = cli({"--yes", "send", kStandard});
    EXPECT_EQ(send.status, 0) << send.err;
    EXPECT_EQ(send.err, "");
    EXPECT_EQ(withoutCr(afterPrefix(wire())), check.out);
}

TEST_F(CliTest, WithoutATerminalOrYesNothingIsSent) {
    startSim();
    const CliResult send = cli({"send", kStandard});
    EXPECT_EQ(send.status, 1);
    EXPECT_EQ(wire().find(tessaline::CommandPrefix), std::string::npos);
}

TEST_F(CliTest, ReceiveBringsBackWhatWasSent) {
    startSim();
    ASSERT_EQ(cli({"--yes", "send", kStandard}).status, 0);
    const CliResult all = cli({"--yes", "receive"});
    ASSERT_EQ(all.status, 0) << all.err;
    for (const char* line : {"PRINT SPEED\t:\t6 IPS\n", "IPV4 ADDRESS\t:\t192,168,10,21\n",
                             "HOST NAME\t:\tLABELS-01\n"})
        EXPECT_NE(all.out.find(line), std::string::npos) << line;

    // Exported, the same settings read back as the same text.
    const std::string out = process_.folder("back.prn");
    ASSERT_EQ(cli({"--yes", "receive", "standard", "-o", out}).status, 0);
    const std::string file = CliProcess::read(out);
    EXPECT_EQ(file.rfind(tessaline::CommandPrefix, 0), 0u);
    EXPECT_EQ(cli({"check", out}).out, all.out);

    const CliResult easy = cli({"--yes", "receive", "easy"});
    ASSERT_EQ(easy.status, 0) << easy.err;
    EXPECT_NE(easy.out.find("PRINT METHOD\t:\tTT\n"), std::string::npos) << easy.out;
    EXPECT_EQ(easy.out.find("PRINT SPEED"), std::string::npos) << easy.out;
    EXPECT_NE(wire().find("SEND CONFIG\t:\tSTANDARD\r\n"), std::string::npos);
}

TEST_F(CliTest, JsonListsEverySetting) {
    startSim();
    const CliResult json = cli({"--json", "check", kStandard});
    ASSERT_EQ(json.status, 0);
    const nlohmann::json reply = parsedJson(json.out);
    ASSERT_TRUE(reply.is_object()) << json.out;
    EXPECT_EQ(reply["model"], 0);
    EXPECT_TRUE(reply["text"].get<std::string>().starts_with("PRINT SPEED\t:\t6 IPS\r\n"));
    const nlohmann::json length = {
        {"key", "CONTINUOUS MEDIA LENGTH"}, {"value", "4.00"}, {"unit", "INCH"}};
    EXPECT_NE(std::find(reply["settings"].begin(), reply["settings"].end(), length),
              reply["settings"].end())
        << json.out;
}

TEST_F(CliTest, ExportWritesTheImportedSettings) {
    startSim();
    const std::string out = process_.folder("copy.prn");
    const CliResult exported = cli({"export", kStandard, out});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(cli({"check", out}).out, cli({"check", kStandard}).out);
    EXPECT_EQ(cli({"export", kStandard, process_.folder("missing/copy.prn")}).status, 22);
}

TEST_F(CliTest, FailuresExitWithTheirMessageCode) {
    startSim();
    const std::string notConfiguration = process_.folder("plain.txt");
    { std::ofstream(notConfiguration) << "PRINT SPEED\t:\t6 IPS\r\nEND\r\n"; }
    const std::string refused = process_.folder("refused.prn");
    {
        std::ofstream(refused, std::ios::binary)
            << "~!!\r\n\x02\x1b~A\r\nPRINT SPEED\t:\t99 IPS\r\nPRINT DARKNESS\t:\t20\r\nEND\r\n";
    }
    const std::string missing = process_.folder("missing.prn");
    const std::string missingPrint = process_.folder("missing.bin");
    const std::string unwritable = process_.folder("missing/out.prn");
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string said; // the message of the code, then what the tool says about it
    };
    const Case cases[] = {
        {{"check", missing},
         20,
         "code : 20\nImport error. Please check the file.\ntessaline-cli: " + missing +
             " cannot be read. Check the name and that the file exists.\n"},
        {{"--yes", "send", notConfiguration},
         20,
         "code : 20\nImport error. Please check the file.\ntessaline-cli: " + notConfiguration +
             " is not a configuration file.\n"},
        {{"--language", "ja", "check", missing},
         20,
         "code : 20\nファイル入力エラーです。ファイルを確認してください。\ntessaline-cli: " +
             missing + " を読み込めません。"},
        // Refused on Import: the values as the file gives them, one line each, with the reason.
        {{"--model", "2", "check", refused},
         23,
         "code : 23\nError. Please check the item(s) in red.\n"
         "tessaline-cli: PRINT SPEED: the value \"99 IPS\" is refused: it is not one of the "
         "values of the chosen model.\n"
         "tessaline-cli: PRINT DARKNESS: the value \"20\" is refused: the chosen model takes "
         "0\u201315.\n"},
        {{"--language", "ko", "--model", "2", "check", refused},
         23,
         "tessaline-cli: PRINT DARKNESS: 값 \"20\"이(가) 거부되었습니다: 선택한 모델의 범위는 "
         "0\u201315입니다.\n"},
        // Refused when the text for Send is checked: the value the page writes.
        {{"--advanced", "--model", "0", "check", kExamples + "rv943-advanced.prn"},
         23,
         "tessaline-cli: HEAD CHECK STOP POS: the value \"1264\" is refused"},
        {{"--yes", "print", missingPrint},
         80,
         "code : 80\nFile Open error. Please check the file.\ntessaline-cli: The print file " +
             missingPrint + " cannot be read.\n"},
        {{"--yes", "receive", "-o", unwritable},
         22,
         "code : 22\nExport error.\ntessaline-cli: " + unwritable +
             " cannot be written. Check the folder and its permissions.\n"},
    };
    for (const Case& c : cases) {
        const CliResult run = cli(c.words);
        EXPECT_EQ(run.status, c.status) << c.words[0] << " " << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const std::string port = std::to_string(sim_->port());
    sim_->stop();
    const CliResult closed = cli({"--yes", "send", kStandard});
    EXPECT_EQ(closed.status, 30);
    EXPECT_EQ(closed.err, "code : 30\nOpen port error.\ntessaline-cli: 127.0.0.1:" + port +
                              ": the printer refused the connection. Check the address, the port "
                              "number and that the printer is on.\n");
}

TEST_F(CliTest, SilentPrinterIsAReceptionError) {
    startSim({"--silent"});
    const CliResult run = cli({"--yes", "receive"});
    EXPECT_EQ(run.status, 82);
    EXPECT_NE(run.err.find("code : 82\nReception error has occured.\ntessaline-cli: 127.0.0.1:" +
                           std::to_string(sim_->port()) + ": no answer within "),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(CliTest, DefaultsOfEveryModel) {
    for (const char* model : {"0", "1", "2", "3", "4", "5"}) {
        const CliResult standard = process_.run({"--model", model, "defaults"});
        ASSERT_EQ(standard.status, 0) << model << standard.err;
        EXPECT_NE(standard.out.find("\nPRINT SPEED\t:\t"), std::string::npos) << model;
        EXPECT_TRUE(standard.out.ends_with("\nEND\n"));
        const CliResult advanced = process_.run({"--advanced", "--model", model, "defaults"});
        ASSERT_EQ(advanced.status, 0) << model << advanced.err;
        EXPECT_GT(advanced.out.size(), standard.out.size());
        EXPECT_NE(advanced.out.find(standard.out.substr(0, standard.out.size() - 4)),
                  std::string::npos)
            << model;
    }
    // A model chosen by name gives its own defaults.
    EXPECT_EQ(process_.run({"--model", "RV-943", "defaults"}).out,
              process_.run({"--model", "3", "defaults"}).out);
}

} // namespace
