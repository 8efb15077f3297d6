// The preparation cycle on every model: records filled with valid values in their normal form are
// written, pass the check-mode parse untouched, are written again identically, and come back
// from an apply-mode parse with the same positions, texts and units.
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "config/sample_records.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(RoundTrip, EveryModelEveryEntry) {
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        ConfigurationRecordSet set;
        set.modelIndex = model;
        const auto expected = samples::fill(set, model);
        for (int entry = 0; entry < kAdvancedEntryCount; ++entry) {
            if (samples::offered(entry, model)) {
                EXPECT_EQ(expected.count(set.entry(entry).record), 1u) << set.entry(entry).key;
            }
        }

        WriteConfigurationText(set, true);
        const std::string first = set.configText;
        ParseConfigurationText(set, ParseMode::Check);
        for (int n = 0; n < kRecordCount; ++n)
            EXPECT_EQ(set.record(n).invalid, 0) << n;
        set.configText.clear();
        WriteConfigurationText(set, true);
        EXPECT_EQ(set.configText, first);

        ConfigurationRecordSet back;
        back.modelIndex = model;
        back.configText = "~!!\r\n\x02\x1b~A\r\n" + first;
        ParseConfigurationText(back, ParseMode::Apply);
        for (const auto& [record, want] : expected) {
            const SettingValue& got = back.record(record);
            EXPECT_EQ(got.selected, 1) << record;
            EXPECT_EQ(got.invalid, 0) << record;
            if (!want.valueText.empty()) {
                EXPECT_EQ(got.valueText, want.valueText) << record;
            }
            if (want.valueIndex >= 0) {
                EXPECT_EQ(got.valueIndex, want.valueIndex) << record;
            }
            if (want.unitIndex >= 0) {
                EXPECT_EQ(got.unitIndex, want.unitIndex) << record;
            }
        }
    }
}

TEST(Tables, RecordsAgreeWithTheKeyTable) {
    for (const auto& row : conversionTable()) {
        if (row.display == Display::None || row.key == kSerialNumberKey ||
            row.rule == ConversionRule::VerticalImageShift)
            continue;
        EXPECT_EQ(row.record, recordOfKey(row.key)) << row.key;
        if (row.recordOutsideModels >= 0) {
            int first = -1;
            for (const auto& entry : keyTable())
                if (entry.key == row.key && first < 0) first = entry.record;
            EXPECT_EQ(row.recordOutsideModels, first) << row.key;
        }
    }
    for (int i = 0; i < kChoiceRowCount; ++i) {
        const ChoiceRow& row = choiceTable()[i];
        EXPECT_EQ(choiceRecord(i) < 0, row.position == ChoicePosition::NotTransferred) << row.key;
    }
    // No key belongs to two tables.
    for (const auto& row : choiceTable())
        EXPECT_LT(conversionRowOf(row.key), 0) << row.key;
    for (const auto& alias : aliasTable())
        EXPECT_GE(conversionRowOf(alias.currentKey), 0);
}

} // namespace
} // namespace tessaline
