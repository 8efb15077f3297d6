#include "config/configuration_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaline {
namespace {

struct Pick {
    int record;
    std::string value;
    std::string unit = {};
};

std::string write(const std::vector<Pick>& picks, bool advanced, int model = 0) {
    ConfigurationRecordSet set;
    set.modelIndex = model;
    for (const auto& pick : picks) {
        set.record(pick.record).selected = 1;
        set.record(pick.record).valueText = pick.value;
        set.record(pick.record).unitText = pick.unit;
    }
    WriteConfigurationText(set, advanced);
    return set.configText;
}

TEST(Writer, LineForms) {
    struct Case {
        std::vector<Pick> picks;
        std::string text;
    };
    const Case cases[] = {
        {{}, "END\r\n"},
        {{{1, "4 IPS"}}, "PRINT SPEED\t:\t4 IPS\r\nEND\r\n"},
        {{{0, "CONFIG SET 2"}}, "GLOBAL CONFIG\t:\tCONFIG SET 2\r\nLOADMACRO\r\nEND\r\n"},
        {{{34, "DMI"}},
         "MACHINE EMULATION CODE\t:\tCODE_KALDORA\r\nEMULATION SELECT\t:\tDMI\r\nEND\r\n"},
        {{{34, "ZPI2"}}, "MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\nEND\r\n"},
        {{{34, "EPI2"}}, "MACHINE EMULATION CODE\t:\tCODE_EPL\r\nEND\r\n"},
        {{{34, "epi2"}},
         "MACHINE EMULATION CODE\t:\tCODE_KALDORA\r\nEMULATION SELECT\t:\tepi2\r\nEND\r\n"},
        {{{6, "4.00", "INCH"}}, "CONTINUOUS MEDIA LENGTH\t:\t4.00\tINCH\r\nEND\r\n"},
        {{{17, "25.4", "MM"}}, "SMALL MEDIA LENGTH\t:\t25.4\tMM\r\nEND\r\n"},
        {{{19, "1.7"}}, "SENSOR LEVEL\t:\t1.7\tV\r\nEND\r\n"},
        {{{10, "-8"}}, "VERTICAL IMAGE SHIFT\t:\t-8\tDOTS\r\nEND\r\n"},
        {{{68, "192,168,0,1"}}, "IPV4 ADDRESS\t:\t192,168,0,1\r\nEND\r\n"},
        {{{2, ""}}, "PRINT DARKNESS\t:\t\r\nEND\r\n"},
        // The order of lines is the key-table order, not the order of selection.
        {{{61, "0.00", "INCH"}, {53, "TEAR"}},
         "FUNCTION SELECT\t:\tTEAR\r\nPAPER POSITION\t:\t0.00\tINCH\r\nEND\r\n"},
        // Advanced records are not written without the Advanced settings.
        {{{154, "848"}, {161, "0"}}, "END\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(write(c.picks, false), c.text) << c.text;
}

TEST(Writer, AdvancedLineForms) {
    struct Case {
        std::vector<Pick> picks;
        std::string text;
    };
    const Case cases[] = {
        {{{154, "848"}}, "HEAD CHECK STOP POS\t:\tDOT\t848\r\nEND\r\n"},
        {{{161, "0"}}, "HEAD CLEAN MESSAGE\t:\t0\tM\r\nEND\r\n"},
        {{{147, "ON"}}, "DOUBLE HEAT MENU\t:\tON\r\nDOUBLE HEAT\t:\tON\r\nEND\r\n"},
        {{{158, "ABC123", "ON"}},
         "USB SERIAL NUMBER\t:\tON\r\nSERIAL NUMBER\t:\tABC123\r\nEND\r\n"},
        {{{156, "OFF"}}, "PARALLEL ERROR OUTPUT\t:\tOFF\r\nEND\r\n"},
        {{{168, "832"}}, "HEAD CHECK PATTERN WIDTH\t:\t832\tDOTS\r\nEND\r\n"},
        {{{42, "YES"}}, "END\r\n"}, // RFID calibration results are only ever read
    };
    for (const auto& c : cases)
        EXPECT_EQ(write(c.picks, true), c.text) << c.text;
}

TEST(Writer, AppendsAndCoversEveryEntryOnce) {
    ConfigurationRecordSet set;
    for (int n = 0; n < kRecordCount; ++n) {
        set.record(n).selected = 1;
        set.record(n).valueText = "1";
    }
    set.configText = "KEEP\r\n";
    WriteConfigurationText(set, true);
    int lines = 0;
    for (std::size_t at = 0; (at = set.configText.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    // 176 entries less 5 repeats, 4 entries writing two lines, the kept line and END.
    EXPECT_EQ(lines, 176 - 5 + 4 + 2);
    EXPECT_EQ(set.configText.rfind("KEEP\r\nGLOBAL CONFIG", 0), 0u);
    EXPECT_EQ(set.configText.find("DOUBLE HEAT MENU"), set.configText.rfind("DOUBLE HEAT MENU"));
}

} // namespace
} // namespace tessaline
