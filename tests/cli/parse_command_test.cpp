// tessaline-cli parse: reads a file as Import does and prints the records it fills.
#include <gtest/gtest.h>

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

TEST(ParseCommand, ExampleAsJson) {
    const auto run = runParse("--json parse " + kExamples + "rv940-standard.prn");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"model\": 0, \"records\": [", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("{\"record\": 1, \"key\": \"PRINT SPEED\", \"selected\": 1, "
                           "\"valueText\": \"\", \"unitText\": \"\", \"invalid\": 0, "
                           "\"valueIndex\": 4, \"unitIndex\": 0}"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"record\": 68, \"key\": \"IPV4 ADDRESS\", \"selected\": 1, "
                           "\"valueText\": \"192.168.10.21\""),
              std::string::npos);
    EXPECT_EQ(run.out.find("\"invalid\": 1"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "]}\n");
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
        EXPECT_NE(run.out.find("value"), std::string::npos) << file;
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
    EXPECT_NE(native.out.find("\"valueText\": \"20\", \"unitText\": \"\", \"invalid\": 0"),
              std::string::npos);
    EXPECT_NE(eltron.out.find("{\"model\": 2,"), std::string::npos);
    EXPECT_NE(eltron.out.find("\"invalid\": 1"), std::string::npos) << eltron.out;
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
        if (c.status == 0) {
            EXPECT_NE(run.out.find("\"key\": \"PRINT SPEED\", \"selected\": 1"), std::string::npos)
                << c.bytes;
        }
    }
}

TEST(ParseCommand, FileBytesAreInTheCodePage) {
    TempFolder folder;
    const auto path =
        folder.file("psk.prn", "~!!\r\n\x02\x1b~A\r\nWLAN PSK\t:\tcaf\xE9\r\nEND\r\n");
    const auto run = runParse("--json parse " + path);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(
        run.out.find("\"key\": \"WLAN PSK\", \"selected\": 1, \"valueText\": \"caf\xC3\xA9\""),
        std::string::npos)
        << run.out;
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
