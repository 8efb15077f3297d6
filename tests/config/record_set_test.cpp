#include "config/configuration_record_set.h"
#include "config/printer_models.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaline {
namespace {

TEST(KeyTable, RunsSharedRecordsAndSuffixes) {
    const auto table = keyTable();
    ASSERT_EQ(table.size(), 179u);
    struct Case {
        int entry;
        int record;
        std::string_view key;
        std::string_view suffix;
    };
    const Case cases[] = {
        {0, 0, "GLOBAL CONFIG", ""},
        {10, 10, "VERTICAL IMAGE SHIFT", "\tDOTS"},
        {27, 27, "KEYBOARD LOCK", ""},
        {28, 29, "STANDBY MODE", ""},
        {29, 30, "STANDBY TIMER", "\tMIN"},
        {33, 34, "EMULATION SELECT", ""},
        {37, 52, "AUTOCONFIGURE", ""},
        {42, 58, "REWINDER AUTO ONLINE DELAY", "\tSEC"},
        {45, 61, "PAPER POSITION", ""},
        {58, 74, "TIMEOUT", "\tSEC"},
        {61, 77, "IPV6", ""},
        {72, 89, "WEB MONITOR", ""},
        {83, 100, "WLAN WEP KEY 1", ""},
        {99, 116, "BT DEVICE NAME", ""},
        {100, 41, "RFID SETTINGS", ""},
        {101, 43, "RFID CALIB BASE POSITION", ""},
        {107, 51, "RFID NG MARK THICKNESS", ""},
        {108, 28, "LCD BRIGHTNESS", "\t%"},
        {111, 147, "DOUBLE HEAT MENU", ""},
        {117, 56, "NON-STOP CUT", ""},
        {118, 117, "THROUGH SENSOR POSITION", "\tDOTS"},
        {148, 147, "DOUBLE HEAT MENU", ""},
        {154, 153, "HEAD CHECK START POS", "DOT"},
        {155, 154, "HEAD CHECK STOP POS", "DOT"},
        {159, 158, "USB SERIAL NUMBER", ""},
        {162, 161, "HEAD CLEAN MESSAGE", "\tM"},
        {169, 168, "HEAD CHECK PATTERN WIDTH", "\tDOTS"},
        {175, 174, "RFID REVERSE MEDIA LENGTH", ""},
        {178, 45, "RFID CALIB POWER", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table[c.entry].record, c.record) << c.entry;
        EXPECT_EQ(table[c.entry].key, c.key) << c.entry;
        EXPECT_EQ(table[c.entry].unitSuffix, c.suffix) << c.entry;
    }
    // Only the five Advanced repeats share a record with another entry; 88 and 175..179 have none.
    std::multiset<int> used;
    for (const auto& entry : table)
        used.insert(entry.record);
    for (int record : {147, 156, 157, 162, 171})
        EXPECT_EQ(used.count(record), 2u) << record;
    EXPECT_EQ(used.size() - std::set<int>(used.begin(), used.end()).size(), 5u);
    for (int record : {88, 175, 176, 177, 178, 179})
        EXPECT_EQ(used.count(record), 0u) << record;
}

TEST(RecordSet, SharedRecordSeenThroughBothEntries) {
    ConfigurationRecordSet set;
    set.entryRecord(111).valueText = "ON";
    EXPECT_EQ(set.entryRecord(148).valueText, "ON");
    EXPECT_EQ(&set.entryRecord(148), &set.record(147));
}

TEST(RecordSet, ClearConfigurationKeepsPositionsAndRecord88) {
    ConfigurationRecordSet set;
    set.configText = "X";
    for (int n = 0; n < kRecordCount; ++n) {
        set.record(n) = {1, "v", "u", 1, 3, 1};
    }
    ClearConfiguration(set);
    EXPECT_TRUE(set.configText.empty());
    for (int n = 0; n < kRecordCount; ++n) {
        const SettingValue& value = set.record(n);
        EXPECT_EQ(value.valueIndex, 3) << n;
        EXPECT_EQ(value.unitIndex, 1) << n;
        if (n == kUnusedRecord) {
            EXPECT_EQ(value.selected, 1);
            continue;
        }
        EXPECT_EQ(value.selected, 0) << n;
        EXPECT_EQ(value.invalid, 0) << n;
        EXPECT_TRUE(value.valueText.empty() && value.unitText.empty()) << n;
    }
}

TEST(PrinterModels, NamesIndexesAndParts) {
    const auto names = modelNames();
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[0], "RV-940");
    EXPECT_EQ(names[1], "RV-940Z (Zebra\xC2\xAE Emulation)");
    EXPECT_EQ(names[5], "RV-943E (Eltron\xC2\xAE Emulation)");
    for (int i = 0; i < kModelCount; ++i)
        EXPECT_EQ(modelIndexOf(names[i]), i);
    EXPECT_EQ(modelIndexOf("RV-999"), 0);
    EXPECT_EQ(baseModelOf(5), BaseModel::Rv943);
    EXPECT_EQ(emulationOf(5), Emulation::Eltron);
    EXPECT_EQ(baseModelOf(2), BaseModel::Rv940);
    EXPECT_EQ(emulationOf(4), Emulation::Zebra);
}

} // namespace
} // namespace tessaline
