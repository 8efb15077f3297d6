// How the reader walks a text: line ends, the end marker, comments, skipped lines, check mode.
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "config/line_reader.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

constexpr int kPrintSpeed = 1;
constexpr int kDarkness = 2;
constexpr int kMediaLength = 6;

SettingValue chosen(std::string value, std::string unit = {}, int unitIndex = 0) {
    SettingValue result;
    result.selected = 1;
    result.valueText = std::move(value);
    result.unitText = std::move(unit);
    result.unitIndex = unitIndex;
    return result;
}

ConfigurationRecordSet parsed(const std::string& text, int apply) {
    ConfigurationRecordSet set;
    set.configText = text;
    ParseConfigurationText(set, apply ? ParseMode::Apply : ParseMode::Check);
    return set;
}

TEST(LineReader, LineEndsAndLongLines) {
    const std::string text = "A\r\nB\nC\rD\r\r\n" + std::string(120, 'x') + "\r\n";
    LineReader reader(text);
    Line line;
    std::vector<std::pair<int, std::string>> lines;
    for (int i = 0; i < 8; ++i) {
        const int copied = reader.read(line);
        lines.emplace_back(copied, std::string(line.text));
    }
    const std::vector<std::pair<int, std::string>> expected = {
        {1, "A"},
        {1, "B"},
        {1, "C"},
        {1, "D"},
        {0, ""},
        {99, std::string(99, 'x')},
        {21, std::string(21, 'x')},
        {99, ""}}; // past the end: a line of zero bytes
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(reader.lineCount(), 8);
}

TEST(LineReader, Tokens) {
    struct Case {
        std::string line;
        std::vector<std::string> upper;
    };
    const Case cases[] = {
        {"PRINT SPEED\t:\t4 IPS", {"PRINT SPEED", "4 IPS"}},
        {"IPV4 ADDRESS\t:\t1,2,3,4", {"IPV4 ADDRESS", "1", "2", "3", "4"}},
        {"print speed : 4 ips", {"PRINT SPEED ", " 4 IPS"}},
        {"::,\t", {}},
        {"KEY\t:\tVALUE\t;comment\t:\tMORE", {"KEY", "VALUE"}},
        {";KEY\t:\tVALUE", {}},
        {"A;B:c", {"A;B", "C"}},
        {std::string(20, ','), {}},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
          "17"}},
    };
    for (const auto& c : cases) {
        ParsedLine tokens;
        ASSERT_EQ(tokens.tokenize(c.line), static_cast<int>(c.upper.size())) << c.line;
        for (int i = 0; i < tokens.count(); ++i)
            EXPECT_EQ(tokens.upper(i), c.upper[i]) << c.line;
    }
    ParsedLine tokens;
    tokens.tokenize("eap inner authentication:MSCHAPv2");
    EXPECT_EQ(tokens.token(1), "MSCHAPv2");
    EXPECT_EQ(tokens.upper(1), "MSCHAPV2");
    EXPECT_EQ(tokens.token(5), "");
}

TEST(Reader, WhereTheMainParseStops) {
    struct Case {
        std::string middle; // between PRINT SPEED and PRINT DARKNESS
        bool darknessRead;
    };
    const Case cases[] = {
        {"", true},
        {"\r\n", false},                        // an empty line
        {";comment\r\n", false},                // a comment line
        {"END\r\n", false},                     // the end marker
        {"EXIT\r\n", false},                    //
        {"END \r\n", true},                     // not the end marker: an unknown key
        {"end\r\n", true},                      //
        {"UNKNOWN KEY\t:\t1\r\n", true},        // ignored
        {"PRINT SPEED : 4 IPS\r\n", true},      // spaces make the key unknown
        {"::\r\n", false},                      // no token
        {"DARKNESS ADJUST\t:\t1 ;x\r\n", true}, //
        {std::string(99, 'x') + "\r\n", false}, // 99 bytes, then an empty line
        {std::string(100, 'x') + "\r\n", true},
        {std::string("A\0B\r\n", 5), false}, // the text ends at a zero byte
    };
    for (const auto& c : cases) {
        const auto set =
            parsed("\r\n\r\nPRINT SPEED\t:\t4 IPS\r\n" + c.middle + "PRINT DARKNESS\t:\t9\r\n", 1);
        EXPECT_EQ(set.record(kPrintSpeed).selected, 1) << c.middle;
        EXPECT_EQ(set.record(kDarkness).selected, c.darknessRead ? 1 : 0) << c.middle;
    }
}

TEST(Reader, ApplyModeSkipsTwoLinesCheckModeDoesNot) {
    const std::string text =
        "PRINT SPEED\t:\t4 IPS\r\nPRINT DARKNESS\t:\t9\r\nDARKNESS ADJUST\t:\t1\r\n";
    auto applied = parsed(text, 1);
    EXPECT_EQ(applied.record(kPrintSpeed).selected + applied.record(kDarkness).selected, 0);
    EXPECT_EQ(applied.record(3).selected, 1);
    // Check mode never selects; it reads every line.
    ConfigurationRecordSet set;
    set.configText = "PRINT DARKNESS\t:\t99\r\n" + text;
    ParseConfigurationText(set, ParseMode::Check);
    EXPECT_EQ(set.record(kDarkness).invalid, 1);
    EXPECT_EQ(set.record(kDarkness).selected, 0);
}

TEST(Reader, KeyTwiceLastValidWinsOneInvalidSticks) {
    auto set = parsed("\r\n\r\nPRINT DARKNESS\t:\t9\r\nPRINT DARKNESS\t:\t12\r\n", 1);
    EXPECT_EQ(set.record(kDarkness).valueText, "12");
    EXPECT_EQ(set.record(kDarkness).invalid, 0);
    set = parsed(
        "\r\n\r\nPRINT SPEED\t:\t4 IPS\r\nPRINT SPEED\t:\tfast\r\nPRINT SPEED\t:\t6 IPS\r\n", 1);
    EXPECT_EQ(set.record(kPrintSpeed).invalid, 1);
    EXPECT_EQ(set.record(kPrintSpeed).valueIndex, 0);
}

TEST(Reader, CheckModeNormalisesGoodNumbersAndKeepsBadTexts) {
    ConfigurationRecordSet set;
    set.record(kMediaLength) = chosen("4", "INCH");
    set.record(17) = chosen("25.40", "MM");
    set.record(19) = chosen("1");
    set.record(kDarkness) = chosen("031");
    set.record(68) = chosen("1,2,3,4");
    set.record(97) = chosen("net");
    set.record(kPrintSpeed) = chosen("4 IPS");
    set.record(kPrintSpeed).valueIndex = 7;
    set.record(73) = chosen("0x10");
    set.record(3) = chosen("-03");
    WriteConfigurationText(set, false);
    ParseConfigurationText(set, ParseMode::Check);
    struct Expect {
        int record;
        std::string valueText;
        int invalid;
    };
    const Expect expected[] = {
        {kMediaLength, "4.00", 0}, {17, "25.4", 0}, {19, "1.0", 0},  {kDarkness, "031", 1},
        {68, "1,2,3,4", 0},        {97, "net", 0},  {73, "0x10", 1}, {3, "-3", 0},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(set.record(e.record).valueText, e.valueText) << e.record;
        EXPECT_EQ(set.record(e.record).invalid, e.invalid) << e.record;
        EXPECT_EQ(set.record(e.record).selected, 1) << e.record;
    }
    EXPECT_EQ(set.record(kPrintSpeed).valueIndex, 7); // check mode leaves list positions
    // The invalid mark is sticky until the records are cleared.
    set.record(kDarkness).valueText = "3";
    set.configText.clear();
    WriteConfigurationText(set, false);
    ParseConfigurationText(set, ParseMode::Check);
    EXPECT_EQ(set.record(kDarkness).invalid, 1);
}

TEST(Reader, CheckModeHeadCheckRangeIsTheShownOne) {
    for (int unitIndex : {0, 1}) {
        ConfigurationRecordSet set;
        set.record(154) = chosen("1000", {}, unitIndex);
        WriteConfigurationText(set, true);
        ParseConfigurationText(set, ParseMode::Check);
        EXPECT_EQ(set.record(154).invalid, unitIndex == 0 ? 1 : 0);
        EXPECT_EQ(set.record(154).unitIndex, unitIndex);
    }
}

TEST(Reader, SensorKeysOutsideTheModelsGoToTheirFirstRecord) {
    ConfigurationRecordSet set;
    set.modelIndex = 6;
    set.configText = "\r\n\r\nSEE THROUGH SENSOR\t:\t1.5\tV\r\nTHROUGH SENSOR POSITION\t:\t3\r\n";
    ParseConfigurationText(set, ParseMode::Apply);
    EXPECT_EQ(set.record(128).valueText, "1.5");
    EXPECT_EQ(set.record(117).valueText, "3");
    EXPECT_EQ(set.record(130).selected + set.record(119).selected, 0);
}

TEST(Reader, LongTextIsReadWhole) {
    std::string text = "\r\n\r\n";
    while (text.size() < 20000)
        text += "UNKNOWN KEY\t:\t1\r\n";
    const auto set = parsed(text + "PRINT DARKNESS\t:\t9\r\n", 1);
    EXPECT_EQ(set.record(kDarkness).selected, 1);
    EXPECT_EQ(set.record(kDarkness).valueText, "9");
}

TEST(Reader, TextsTravelInTheCodePage) {
    // A WLAN PSK may hold any character; it is read back as written.
    const auto set = parsed("\r\n\r\nWLAN PSK\t:\tcl\xC3\xA9"
                            "f\r\n",
                            1);
    EXPECT_EQ(set.record(104).valueText, "cl\xC3\xA9"
                                         "f");
}

} // namespace
} // namespace tessaline
