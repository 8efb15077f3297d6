#include "config/reply_checks.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(CalibrationReply, ResultAndRejectedLines) {
    struct Case {
        std::string reply;
        int result;
        int selected;
        int valueIndex;
        int invalid;
    };
    const Case cases[] = {
        {"AUTO CALIBRATION : SUCCEEDED\r\n", 0, 1, 0, 0},
        {"AUTO CALIBRATION : failed\r\nEND\r\n", 0, 1, 1, 0},
        {"\r\nAUTO CALIBRATION : SUCCEEDED", 0, 1, 0, 0}, // empty lines are skipped
        {"AUTO CALIBRATION : DONE\r\n", 0, 1, 0, 1},
        {"AUTO CALIBRATION:SUCCEEDED\r\n", 1, 0, 0, 0}, // no spaces: another key
        {"STATUS\t:\tOK\r\nAUTO CALIBRATION : SUCCEEDED\r\n", 1, 1, 0, 0},
        {"EXIT\r\nAUTO CALIBRATION : SUCCEEDED\r\n", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
        {std::string(300, 'A'), 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        ConfigurationRecordSet set;
        set.configText = c.reply;
        EXPECT_EQ(CheckCalibrationReply(set), c.result) << c.reply;
        const SettingValue& result = set.record(kCalibrationResultRecord);
        EXPECT_EQ(result.selected, c.selected) << c.reply;
        EXPECT_EQ(result.valueIndex, c.valueIndex) << c.reply;
        EXPECT_EQ(result.invalid, c.invalid) << c.reply;
    }
}

TEST(CounterReply, FieldsAfterTheirKeys) {
    ConfigurationRecordSet set;
    set.configText = "\r\nSerial Number : 4711-XY\r\nPrint Counter Length 12.3 km\r\n"
                     "Cut Counter " +
                     std::string(45, '9') + "\r\nEND\r\nService Counter Length 1 km\r\n";
    ReadCounterReply(set);
    EXPECT_EQ(set.record(175).valueText, "4711-XY");
    EXPECT_EQ(set.record(176).valueText, "12.3 km");
    EXPECT_EQ(set.record(177).valueText, ""); // after END
    EXPECT_EQ(set.record(178).valueText, std::string(39, '9'));
    for (int n = 175; n <= 178; ++n)
        EXPECT_EQ(set.record(n).selected, 1) << n;
    // A second reply without a key does not show the value of the first.
    set.configText = "Cut Counter 5\r\n";
    ReadCounterReply(set);
    EXPECT_EQ(set.record(175).valueText, "");
    EXPECT_EQ(set.record(178).valueText, "5");
}

TEST(RfidCalibrationReply, ValueAfterKeyAndSeparator) {
    ConfigurationRecordSet set;
    set.configText = "RFID CALIB EXECUTED\t:\tYES\r\nRFID CALIB POSITION OFFSET\t:\t1.5 MM\r\n"
                     "RFID CALIB POWER";
    ReadRfidCalibrationReply(set);
    EXPECT_EQ(set.record(42).valueText, "YES");
    EXPECT_EQ(set.record(44).valueText, "1.5 MM");
    EXPECT_EQ(set.record(45).valueText, "");
    for (int n : {42, 44, 45})
        EXPECT_EQ(set.record(n).selected, 1) << n;
}

TEST(MachineEmulation, FirstLineWithTheKeyDecides) {
    struct Case {
        std::string reply;
        int kind;
    };
    const Case cases[] = {
        {"X\r\nMACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\nEND\r\n", 1},
        {"MACHINE EMULATION CODE\t:\tcode_epl\r\n", 2},
        {"\r\nMACHINE EMULATION CODE:CODE_KALDORA", 3},
        {"MACHINE EMULATION CODE\t:\tCODE_X\r\nMACHINE EMULATION CODE\t:\tCODE_EPL\r\n", 0},
        {"END\r\nMACHINE EMULATION CODE\t:\tCODE_EPL\r\n", 0},
        {"machine emulation code\t:\tCODE_EPL\r\n", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        ConfigurationRecordSet set;
        set.emulationReply = c.reply;
        EXPECT_EQ(QueryMachineEmulation(set), c.kind) << c.reply;
    }
}

} // namespace
} // namespace tessaline
