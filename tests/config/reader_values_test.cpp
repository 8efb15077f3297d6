// Per-key value rules of the reader: valid and invalid forms at the range bounds, units and
// model-dependent ranges, read in apply mode as a printer reply would be.
#include "config/configuration_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaline {
namespace {

ConfigurationRecordSet applied(const std::string& lines, int model = 0) {
    ConfigurationRecordSet set;
    set.modelIndex = model;
    set.configText = "~!!\r\n\x02\x1b~A\r\n" + lines + "END\r\n";
    ParseConfigurationText(set, ParseMode::Apply);
    return set;
}

struct ValueCase {
    std::string line; // without CR LF
    int record;
    bool valid;
    std::string valueText = {}; // expected when valid and not empty
    int model = 0;
};

TEST(ReaderValues, NumbersLengthsAndTexts) {
    const std::string psk63(63, 'k');
    const ValueCase cases[] = {
        // lengths: unit word, decimals, MM and INCH ranges
        {"CONTINUOUS MEDIA LENGTH\t:\t100\tINCH", 6, false},
        {"CONTINUOUS MEDIA LENGTH\t:\t100\tMM", 6, true, "100.0"},
        {"CONTINUOUS MEDIA LENGTH\t:\t99.99\tINCH", 6, true, "99.99"},
        {"CONTINUOUS MEDIA LENGTH\t:\t0.24\tINCH", 6, false},
        {"CONTINUOUS MEDIA LENGTH\t:\t0.25\tinch", 6, true, "0.25"},
        {"CONTINUOUS MEDIA LENGTH\t:\t6.4\tMM", 6, true, "6.4"},
        {"CONTINUOUS MEDIA LENGTH\t:\t6.3\tMM", 6, false},
        {"CONTINUOUS MEDIA LENGTH\t:\t2539.7\tMM", 6, true, "2539.7"},
        {"CONTINUOUS MEDIA LENGTH\t:\t2539.8\tMM", 6, false},
        {"CONTINUOUS MEDIA LENGTH\t:\t4", 6, true, "4.00"}, // no unit word: inches
        {"CONTINUOUS MEDIA LENGTH\t:\t4\tFEET", 6, false},
        {"CONTINUOUS MEDIA LENGTH\t:\t\tINCH", 6, false},
        {"HORIZONTAL SHIFT\t:\t0.50\tMM", 8, true, "0.5"},
        {"HORIZONTAL SHIFT\t:\t0.55\tMM", 8, false},
        {"HORIZONTAL SHIFT\t:\t-1.00\tINCH", 8, true, "-1.00"},
        {"HORIZONTAL SHIFT\t:\t-1.01\tINCH", 8, false},
        {"HORIZONTAL SHIFT\t:\t-.5\tINCH", 8, false},
        {"SMALL MEDIA LENGTH\t:\t25.4\tMM", 17, true, "25.4"},
        {"MAX MEDIA LENGTH\t:\t1.\tINCH", 25, true, "1.00"},
        {"TOP FORM LENGTH\t:\t4.001\tINCH", 15, false},
        {"TOP FORM LENGTH\t:\t4.000\tINCH", 15, true, "4.00"},
        {"RFID NG MARK THICKNESS\t:\t0.39\tINCH", 51, true, "0.39"},
        {"RFID NG MARK THICKNESS\t:\t0.03\tINCH", 51, false},
        {"RFID Y POSITION\t:\t10.00\tINCH", 46, true, "10.00"}, // older key
        {"RFID NGMARK WIDTH\t:\t9.9\tMM", 49, false},
        // whole numbers and the 16-bit limit
        {"DARKNESS ADJUST\t:\t-10", 3, true, "-10"},
        {"DARKNESS ADJUST\t:\t-11", 3, false},
        {"DARKNESS ADJUST\t:\t+5", 3, false},
        {"DARKNESS ADJUST\t:\t5-", 3, false},
        {"DARKNESS ADJUST\t:\t-", 3, false},
        {"DARKNESS ADJUST\t:\t007", 3, true, "7"},
        {"PORT NUMBER\t:\t1023", 73, false},
        {"PORT NUMBER\t:\t32767", 73, true, "32767"},
        {"PORT NUMBER\t:\t70000", 73, false},
        {"PORT NUMBER\t:\t9100.5", 73, false},
        {"STANDBY TIMER\t:\t99\tMIN", 30, true, "99"},
        {"MACH HOR POS\t:\t-16", 126, true, "-16"},
        {"MACH HOR POS\t:\t33", 126, false},
        {"REFLECT SENSOR POSITION\t:\t256", 120, true, "256"},
        {"THROUGH SENSOR POSITION\t:\t-257", 119, false},
        {"REWINDER TORQUE\t:\t7", 59, true, "7"},
        {"REWINDER TORQUE\t:\t0", 59, false},
        {"IPV6 PREFIX LENGTH\t:\t128", 80, true, "128"},
        {"WLAN CHANNEL\t:\t15", 96, false},
        // one-decimal values and voltages
        {"PEEL WAIT DELAY\t:\t0.1", 60, true, "0.1"},
        {"PEEL WAIT DELAY\t:\t0", 60, false},
        {"PEEL WAIT DELAY\t:\t2.00", 60, true, "2.0"},
        {"PEEL WAIT DELAY\t:\t2.05", 60, false},
        {"PEEL WAIT DELAY\t:\t.5", 60, false},
        {"TT HOT HEATRATE ADJUST\t:\t-0.5\t%", 148, true, "-0.5"},
        {"DT COLD HEATRATE ADJUST 2\t:\t-1.1\t%", 166, false},
        {"SENSOR LEVEL\t:\t1.7\tV", 19, true, "1.7"},
        {"SENSOR LEVEL\t:\t1\tV", 19, true, "1.0"},
        {"SENSOR LEVEL\t:\t3.4\tV", 19, false},
        {"SENSOR LEVEL\t:\t1.7\tMM", 19, false},
        {"SEE THROUGH SENSOR\t:\t3.3\tV", 130, true, "3.3"},
        {"ADJ REFLECT SENSOR\t:\t0.0\tV", 133, true, "0.0"},
        {"PAPER END LEVEL\t:\t0.01\tV", 20, true, "0.01"},
        {"PAPER END LEVEL\t:\t0\tV", 20, false},
        {"PAPER END LEVEL\t:\t3.30\tV", 20, true, "3.30"},
        {"PAPER END LEVEL\t:\t3.31\tV", 20, false},
        {"ADJ SENSNONE CAL LEVEL\t:\t2.5\tV", 145, true, "2.50"},
        // model-dependent ranges
        {"PRINT DARKNESS\t:\t30", 2, true, "30", 0},
        {"PRINT DARKNESS\t:\t31", 2, false, {}, 0},
        {"PRINT DARKNESS\t:\t20", 2, true, "20", 4},
        {"PRINT DARKNESS\t:\t20", 2, false, {}, 2},
        {"PRINT DARKNESS\t:\t15", 2, true, "15", 5},
        {"VERTICAL IMAGE SHIFT\t:\t32.00\tINCH", 9, true, "32.00", 3},
        {"VERTICAL IMAGE SHIFT\t:\t32.01\tINCH", 9, false, {}, 0},
        {"VERTICAL IMAGE SHIFT\t:\t812.8\tMM", 9, true, "812.8", 0},
        {"VERTICAL IMAGE SHIFT\t:\t-120\tDOTS", 10, true, "-120", 1},
        {"VERTICAL IMAGE SHIFT\t:\t-121\tDOTS", 10, false, {}, 5},
        // special numbers
        {"HEAD CLEAN MESSAGE\t:\t9999999\tM", 161, true, "9999999"},
        {"HEAD CLEAN MESSAGE\t:\t10000000\tM", 161, false},
        {"HEAD CLEAN MESSAGE\t:\t1 000\tM", 161, true, "1000"},
        {"HEAD CLEAN MESSAGE\t:\t1.0\tM", 161, false},
        {"HEAD CLEAN MESSAGE\t:\t-1\tM", 161, false},
        {"HEAD CLEAN MESSAGE\t:\t \tM", 161, false},
        {"RFID FIXED POWER\t:\t10000 dBm", 47, true, "10000"},
        {"RFID FIXED POWER\t:\t10001", 47, false},
        {"RFID WRITE POWER\t:\t50 DBM", 47, true, "50"},
        {"RFID FIXED POWER\t:\t DBM", 47, false},
        // addresses
        {"IPV4 ADDRESS\t:\t192,168,0,1", 68, true, "192.168.0.1"},
        {"IPV4 ADDRESS\t:\t192,168,0,256", 68, false},
        {"IPV4 ADDRESS\t:\t192,168,0", 68, false},
        {"IPV4 ADDRESS\t:\t192,168,0,1,2", 68, false},
        {"NETWORK ADDRESS\t:\t10,0,0,-0", 90, true, "10.0.0.0"},
        {"IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,0,0,0,0,0,0,0,1", 79, true,
         "fe80:0000:0000:0000:0000:0000:0000:0001"},
        {"IPV6 GATEWAY\t:\t1,2,3", 81, false},
        // texts
        {"WLAN PSK\t:\t" + psk63, 104, true, psk63},
        {"WLAN PSK\t:\t" + psk63 + "k", 104, false},
        {"WLAN SSID\t:\tOffice Net", 97, true, "Office Net"},
        {"WLAN SSID\t:\tCaf\xC3\xA9", 97, false},
        {"HOST NAME\t:\t" + std::string(32, 'h'), 72, false},
        {"BT PIN CODE\t:\t123", 115, false},
        {"BT PIN CODE\t:\t1234", 115, true, "1234"},
        {"BT PIN CODE\t:\t 1234", 115, false},
        {"BT PIN CODE\t:\t\"1234", 115, false},
        {"BT DEVICE NAME\t:\t", 116, false},
        {"BT DEVICE NAME\t:\tLabel Room", 116, true, "Label Room"},
        {"SERIAL NUMBER\t:\tAB12", 158, true, "AB12"},
    };
    for (const auto& c : cases) {
        const auto set = applied(c.line + "\r\n", c.model);
        const SettingValue& value = set.record(c.record);
        EXPECT_EQ(value.selected, 1) << c.line;
        EXPECT_EQ(value.invalid, c.valid ? 0 : 1) << c.line << " model " << c.model;
        if (c.valid && !c.valueText.empty()) {
            EXPECT_EQ(value.valueText, c.valueText) << c.line;
        }
    }
}

TEST(ReaderValues, RejectedValueReadsAsZeroOrEmptyWhenApplied) {
    const auto set = applied("PORT NUMBER\t:\t1\r\nCONTINUOUS MEDIA LENGTH\t:\t100\tINCH\r\n"
                             "IPV4 ADDRESS\t:\t1,2,3\r\nBT PIN CODE\t:\t1\r\n");
    EXPECT_EQ(set.record(73).valueText, "0");
    EXPECT_EQ(set.record(6).valueText, "0.00");
    EXPECT_EQ(set.record(68).valueText, "0.0.0.0");
    EXPECT_EQ(set.record(115).valueText, "");
}

TEST(ReaderValues, UnitPositions) {
    struct Case {
        std::string line;
        int record;
        int unitIndex;
    };
    const Case cases[] = {
        {"SMALL MEDIA LENGTH\t:\t1.00\tINCH", 17, 0},
        {"SMALL MEDIA LENGTH\t:\t25.4\tMM", 17, 1},
        {"HEAD CHECK STOP POS\t:\tDOT\t848", 154, 0},
        {"HEAD CHECK STOP POS\t:\tDOT\t1000", 154, 1},
        {"HEAD CHECK START POS\t:\tdot\t1264", 153, 1},
        {"HEAD CHECK PATTERN WIDTH\t:\t832\tDOTS", 168, 0},
        {"HEAD CHECK PATTERN WIDTH\t:\t1240\tDOTS", 168, 1},
    };
    for (const auto& c : cases) {
        auto set = applied(c.line + "\r\n");
        EXPECT_EQ(set.record(c.record).invalid, 0) << c.line;
        EXPECT_EQ(set.record(c.record).unitIndex, c.unitIndex) << c.line;
    }
    for (const std::string line :
         {"HEAD CHECK STOP POS\t:\tDOT\t1265", "HEAD CHECK STOP POS\t:\tDOT\t0",
          "HEAD CHECK STOP POS\t:\t848", "HEAD CHECK PATTERN WIDTH\t:\t1241\tDOTS"}) {
        const auto set = applied(line + "\r\n");
        EXPECT_EQ(set.record(154).invalid + set.record(168).invalid, 1) << line;
    }
}

TEST(ReaderValues, PaperPositionRangeFollowsFunctionSelect) {
    struct Case {
        std::string before;
        std::string value;
        bool valid;
    };
    const Case cases[] = {
        {"FUNCTION SELECT\t:\tTEAR\r\n", "-1.00\tINCH", true},
        {"FUNCTION SELECT\t:\tOFF\r\n", "-1.00\tINCH", false},
        {"FUNCTION SELECT\t:\tREWIND\r\n", "50.8\tMM", true},
        {"FUNCTION SELECT\t:\tCUT ON\r\n", "25.5\tMM", false},
        {"FUNCTION SELECT\t:\tPEEL ON\r\n", "-25.4\tMM", true},
        {"", "-1.00\tINCH", true},
        {"", "2.00\tINCH", true},
        {"", "2.01\tINCH", false},
        {"FUNCTION SELECT\t:\tSIDEWAYS\r\n", "2.00\tINCH", true}, // a wrong word gives nothing
    };
    for (const auto& c : cases) {
        const auto set = applied(c.before + "PAPER POSITION\t:\t" + c.value + "\r\n");
        EXPECT_EQ(set.record(61).invalid, c.valid ? 0 : 1) << c.before << c.value;
    }
    // The range depends on the lines before, not on a FUNCTION SELECT after PAPER POSITION.
    const auto later = applied("PAPER POSITION\t:\t-1.00\tINCH\r\nFUNCTION SELECT\t:\tOFF\r\n");
    EXPECT_EQ(later.record(61).invalid, 0);
}

TEST(ReaderValues, ChoicesAndTheirListPositions) {
    struct Case {
        std::string line;
        int record;
        bool valid;
        int valueIndex;
    };
    const Case cases[] = {
        {"PRINT SPEED\t:\t4 IPS", 1, true, 2},
        {"print speed:4 ips", 1, true, 2},
        {"PRINT SPEED\t:\t13 IPS", 1, false, 0},
        {"PRINT SPEED", 1, false, 0},
        {"RS-232C BAUD\t:\t19200", 82, true, 3},
        {"RS-232C BAUD\t:\t2400", 82, true, 0},
        {"RS-232C BAUD\t:\t115200", 82, true, 6},
        {"RS-232C BAUD\t:\t1200", 82, false, 0},
        {"EAP INNER AUTHENTICATION\t:\tmschapv2", 109, true, 1},
        {"EAP INNER AUTHENTICATION\t:\tMSCHAPV2", 109, true, 1},
        {"RIBBON END DETECTION\t:\tQUICK", 155, false, 0},
        {"RIBBON END DETECTION\t:\tNORMAL", 155, true, 0},
        {"RIBBON END DETECTION\t:\tSLOW", 155, true, 1},
        {"EMULATION SELECT\t:\tDM4", 34, true, 2},
        {"EMULATION SELECT\t:\tDPP", 34, true, 4},
        {"EMULATION SELECT\t:\tZPI2", 34, false, 0},
        {"LCD BRIGHTNESS\t:\t100\t%", 28, true, 9},
        {"TYPE 1 MODE\t:\tTYPE2", 171, true, 1},
        {"PRINT METHOD\t:\tDT", 4, true, 1},
        {"IEEE1284\t:\tOFF", 87, true, 1},
        {"DOUBLE HEAT\t:\tON", 147, true, 1},
        {"USB SERIAL NUMBER\t:\tON", 158, true, 1},
        {"NON-STOP CUT\t:\tON W/O BACKFEED", 56, true, 2},
        {"KEYBOARD LOCK\t:\tON", 27, true, 1},
        {"KEYBOARD LOCK\t:\tOFF", 27, true, 0},
        {"KEYBOARD LOCK\t:\tLOCKED", 27, false, 0},
        {"SYMBOL SET\t:\tu1", 18, true, 55},
        {"SYMBOL SET\t:\tZZ", 18, true, 88},
        {"SYMBOL SET\t:\tU1", 18, false, 0},
        {"MACHINE EMULATION CODE\t:\tCODE_ZEBRA", 34, true, 1},
        {"MACHINE EMULATION CODE\t:\tCODE_EPL", 34, true, 0},
    };
    for (const auto& c : cases) {
        const auto set = applied(c.line + "\r\n");
        const SettingValue& value = set.record(c.record);
        EXPECT_EQ(value.selected, 1) << c.line;
        EXPECT_EQ(value.invalid, c.valid ? 0 : 1) << c.line;
        EXPECT_EQ(value.valueIndex, c.valueIndex) << c.line;
    }
}

TEST(ReaderValues, SpecialCasesOfChoices) {
    // DOUBLE HEAT MENU alone is read but fills nothing; CODE_KALDORA selects nothing.
    auto set = applied("DOUBLE HEAT MENU\t:\tON\r\nMACHINE EMULATION CODE\t:\tCODE_KALDORA\r\n");
    EXPECT_EQ(set.record(147).selected, 0);
    EXPECT_EQ(set.record(34).selected, 0);
    // EMULATION SELECT decides over the machine emulation code, in either order.
    set = applied("MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\nEMULATION SELECT\t:\tDMI\r\n");
    EXPECT_EQ(set.record(34).valueIndex, 3);
    // A symbol set of another length is accepted and keeps the earlier position.
    set.configText = "\r\n\r\nSYMBOL SET\t:\tUSA\r\nEND\r\n";
    set.record(18) = {};
    ParseConfigurationText(set, ParseMode::Apply);
    EXPECT_EQ(set.record(18).invalid, 0);
    EXPECT_EQ(set.record(18).valueIndex, 0); // no earlier symbol set in this record set
    set.configText = "\r\n\r\nSYMBOL SET\t:\tPC\r\nEND\r\n";
    ParseConfigurationText(set, ParseMode::Apply);
    EXPECT_EQ(set.record(18).valueIndex, 23);
    set.configText = "\r\n\r\nSYMBOL SET\t:\tUSA\r\nEND\r\n";
    ParseConfigurationText(set, ParseMode::Apply);
    EXPECT_EQ(set.record(18).valueIndex, 23);
}

TEST(ReaderValues, RfidCalibrationResultsGoStraightToTheirRecords) {
    const auto set =
        applied("RFID CALIB EXECUTED\t:\tyes\r\nRFID CALIB POSITION OFFSET\t:\t12\tmm\r\n"
                "RFID CALIB POWER\t:\t5.5dBm\r\n");
    EXPECT_EQ(set.record(42).valueText, "YES");
    EXPECT_EQ(set.record(44).valueText, "12 MM");
    EXPECT_EQ(set.record(45).valueText, "5.5dBm");
    EXPECT_EQ(set.record(42).selected + set.record(44).selected + set.record(45).selected, 0);
}

} // namespace
} // namespace tessaline
