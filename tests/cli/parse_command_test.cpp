// tessaline-cli parse: reads a file as Import does and prints the records it fills.
#include "cli_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ParseRun {
    int status = -1;
    std::string out; // standard output, or standard error with errorsOnly
};

ParseRun runParse(const std::string& arguments, bool errorsOnly = false) {
    const std::string command = "env -u LC_ALL -u LC_CTYPE -u LC_MESSAGES LANG=C " TESSALINE_BIN_DIR
                                "/tessaline-cli " +
                                arguments + (errorsOnly ? " 2>&1 >/dev/null" : " 2>/dev/null");
    ParseRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A temporary folder for the files of one test, removed with its contents.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "parse-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name, const std::string& bytes) const {
        const auto path = path_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

private:
    std::filesystem::path path_;
};

const std::string kExamples = TESSALINE_SOURCE_DIR "/resources/examples/";

// The record of `key` in a parse reply; null when the reply has none.
nlohmann::json recordOf(const nlohmann::json& reply, const std::string& key) {
    if (!reply.contains("records")) return nullptr;
    for (const auto& record : reply["records"])
        if (record["key"] == key) return record;
    return nullptr;
}

TEST(ParseCommand, ExampleAsJson) {
    const auto run = runParse("--json parse " + kExamples + "rv940-standard.prn");
    ASSERT_EQ(run.status, 0);
    const nlohmann::json reply = parsedJson(run.out);
    ASSERT_TRUE(reply.is_object()) << run.out;
    EXPECT_EQ(reply["ok"], true);
    EXPECT_EQ(reply["model"], 0);
    EXPECT_EQ(recordOf(reply, "PRINT SPEED"), nlohmann::json::parse(R"({"record": 1,
        "key": "PRINT SPEED", "value": "6 IPS", "unit": "", "selected": 1, "valueText": "",
        "unitText": "", "invalid": 0, "valueIndex": 4, "unitIndex": 0})"));
    const nlohmann::json address = recordOf(reply, "IPV4 ADDRESS");
    EXPECT_EQ(address["record"], 68);
    EXPECT_EQ(address["value"], "192.168.10.21");
    for (const auto& record : reply["records"])
        EXPECT_EQ(record["invalid"], 0) << record;
}

// List positions are shown as the pages' words in the chosen language, with their units.
TEST(ParseCommand, ValuesAreShownAsWordsWithUnits) {
    const std::string file = kExamples + "rv940-standard.prn";
    const auto plain = runParse("--language en parse " + file);
    ASSERT_EQ(plain.status, 0);
    EXPECT_NE(plain.out.find("  1 PRINT SPEED                  6 IPS\n"), std::string::npos)
        << plain.out;
    EXPECT_NE(plain.out.find("  6 CONTINUOUS MEDIA LENGTH      4.00 INCH\n"), std::string::npos)
        << plain.out;
    EXPECT_EQ(plain.out.find("position"), std::string::npos);
    const nlohmann::json reply = parsedJson(runParse("--json --language en parse " + file).out);
    EXPECT_EQ(recordOf(reply, "PRINT METHOD")["value"], "TT");
    EXPECT_EQ(recordOf(reply, "CONTINUOUS MEDIA LENGTH")["value"], "4.00");
    EXPECT_EQ(recordOf(reply, "CONTINUOUS MEDIA LENGTH")["unit"], "INCH");
    // Japanese lists show Japanese words where the pages do.
    const nlohmann::json japanese = parsedJson(runParse("--json --language ja parse " + file).out);
    const std::string sensor = recordOf(japanese, "SENSOR SELECT")["value"];
    EXPECT_FALSE(sensor.empty());
    EXPECT_NE(sensor, recordOf(reply, "SENSOR SELECT")["value"]) << sensor;
}

TEST(ParseCommand, EveryExampleParsesCleanlyOnItsModel) {
    const std::pair<const char*, const char*> examples[] = {
        {"rv940-standard.prn", "0"},
        {"rv940e-eltron.prn", "RV-940E"},
        {"rv943-advanced.prn", "3"},
        {"rfid-older-keys.prn", "0"},
    };
    for (const auto& [file, model] : examples) {
        const auto run = runParse(std::string("--model ") + model + " parse " + kExamples + file);
        EXPECT_EQ(run.status, 0) << file;
        EXPECT_GT(std::count(run.out.begin(), run.out.end(), '\n'), 1) << file; // settings shown
        EXPECT_EQ(run.out.find("INVALID"), std::string::npos) << file << run.out;
    }
}

TEST(ParseCommand, ModelDecidesTheDarknessRange) {
    TempFolder folder;
    const auto path =
        folder.file("dark.prn", "~!!\r\n\x02\x1b~A\r\nPRINT DARKNESS\t:\t20\r\nEND\r\n");
    const auto native = runParse("--json --model 0 parse " + path);
    const auto eltron =
        runParse("--json --model \"RV-940E (Eltron\xC2\xAE Emulation)\" parse " + path);
    ASSERT_EQ(native.status, 0);
    ASSERT_EQ(eltron.status, 0);
    const nlohmann::json nativeDark = recordOf(parsedJson(native.out), "PRINT DARKNESS");
    EXPECT_EQ(nativeDark["valueText"], "20");
    EXPECT_EQ(nativeDark["invalid"], 0);
    EXPECT_EQ(parsedJson(eltron.out)["model"], 2);
    EXPECT_EQ(recordOf(parsedJson(eltron.out), "PRINT DARKNESS")["invalid"], 1) << eltron.out;
}

TEST(ParseCommand, PrefixPartsAndLineEnds) {
    TempFolder folder;
    struct Case {
        std::string bytes;
        int status;
    };
    const Case cases[] = {
        {"~!!\nPRINT SPEED\t:\t4 IPS\nEND\n", 0},         // first part, LF line ends
        {"\x02\x1b~A\r\nPRINT SPEED\t:\t4 IPS", 0},       // second part, no last line end
        {"PRINT SPEED\t:\t4 IPS\r\nEND\r\n", 20},         // no prefix head
        {"X~!!\r\nPRINT SPEED\t:\t4 IPS\r\nEND\r\n", 20}, // a file gets no retry
        {"", 20},
    };
    for (const auto& c : cases) {
        const auto path = folder.file("case.prn", c.bytes);
        const auto run = runParse("--json parse " + path);
        EXPECT_EQ(run.status, c.status) << c.bytes;
        const nlohmann::json reply = parsedJson(run.out);
        EXPECT_EQ(reply["code"], c.status) << run.out;
        if (c.status == 0) {
            EXPECT_EQ(recordOf(reply, "PRINT SPEED")["selected"], 1) << c.bytes;
            EXPECT_EQ(recordOf(reply, "PRINT SPEED")["value"], "4 IPS") << c.bytes;
        }
    }
}

TEST(ParseCommand, FileBytesAreInTheCodePage) {
    TempFolder folder;
    const auto path =
        folder.file("psk.prn", "~!!\r\n\x02\x1b~A\r\nWLAN PSK\t:\tcaf\xE9\r\nEND\r\n");
    const auto run = runParse("--json parse " + path);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(recordOf(parsedJson(run.out), "WLAN PSK")["valueText"], "caf\xC3\xA9") << run.out;
}

TEST(ParseCommand, ImportErrorAndUsageErrors) {
    TempFolder folder;
    const auto plain = folder.file("plain.prn", "PRINT SPEED\t:\t4 IPS\r\n");
    auto run = runParse("parse " + plain, true);
    EXPECT_EQ(run.status, 20);
    EXPECT_NE(run.out.find("code : 20\nImport error. Please check the file.\ntessaline-cli: " +
                           plain + " is not a configuration file.\n"),
              std::string::npos)
        << run.out;
    run = runParse("parse " + plain + ".missing", true);
    EXPECT_EQ(run.status, 20);
    EXPECT_NE(run.out.find("code : 20\nImport error. Please check the file.\ntessaline-cli: " +
                           plain + ".missing cannot be read."),
              std::string::npos)
        << run.out;
    const std::string usageErrors[] = {"parse", "parse a.prn b.prn", "--model 6 parse " + plain,
                                       "--model RV-999 parse x"};
    for (const auto& arguments : usageErrors)
        EXPECT_EQ(runParse(arguments).status, 2) << arguments;
}

} // namespace
