#include "page_fixture.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

namespace ar = advanced_row;
using test::RowPages;

TEST(AdvancedHeadCheck, LoadKeepsTheFamilyRangeWhateverWasReceived) {
    RowPages p;
    p.modelChange(3, Region::English); // RV-943: 300 dpi
    // 500 lies in the 203 dpi range, so the reader reports that range.
    ASSERT_TRUE(p.receive("HEAD CHECK START POS\t:\tDOT\t500\r\nEND\r\n"));
    const RowState& s = p.advanced.rows().state(ar::kHeadCheckStart);
    EXPECT_EQ(s.editText, "500");
    EXPECT_EQ(p.advanced.rows().slot(ar::kHeadCheckStart)->unitIndex, 1);
    EXPECT_EQ(p.advanced.rows().shownUnit(ar::kHeadCheckStart), "300dpi");
    EXPECT_EQ(s.spinMax, 1264);
    EXPECT_FALSE(s.unitEnabled);
    // Sent back, the position is checked against the 300 dpi range.
    p.advanced.rows().setChecked(ar::kHeadCheckStop, true);
    p.advanced.rows().setEditText(ar::kHeadCheckStop, "1000");
    ASSERT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("HEAD CHECK STOP POS\t:\tDOT\t1000\r\n"),
              std::string::npos);
}

TEST(AdvancedHeadCheck, A203DpiHeadRejectsPositionsBeyond848) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.advanced.rows().setChecked(ar::kHeadCheckStop, true);
    p.advanced.rows().setEditText(ar::kHeadCheckStop, "1000");
    EXPECT_FALSE(p.send());
    EXPECT_TRUE(p.advanced.rows().red(ar::kHeadCheckStop));
    p.advanced.selectUnit(ar::kHeadCheckStop, 1); // the list is locked
    EXPECT_EQ(p.advanced.rows().shownUnit(ar::kHeadCheckStop), "203dpi");
}

TEST(AdvancedRestoreDefaults, TheCommandKeepsTheUsbSerialNumberAModelChangeDoesNot) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.advanced.rows().setChecked(ar::kUsbSerialNumber, true);
    p.advanced.rows().selectValue(ar::kUsbSerialNumber, 1);
    p.advanced.rows().typeEditText(ar::kUsbSerialNumber, "SN-0042");
    p.advanced.rows().setEditText(6, "12");
    p.advanced.restoreDefaultsCommand(0);
    const RowState& s = p.advanced.rows().state(ar::kUsbSerialNumber);
    EXPECT_FALSE(s.checked);
    EXPECT_EQ(s.editText, "SN-0042");
    EXPECT_EQ(p.advanced.rows().shownValue(ar::kUsbSerialNumber), "ON");
    EXPECT_EQ(p.advanced.rows().state(6).editText, "0");
    p.modelChange(0, Region::English);
    EXPECT_EQ(p.advanced.rows().state(ar::kUsbSerialNumber).editText, "");
    EXPECT_EQ(p.advanced.rows().shownValue(ar::kUsbSerialNumber), "OFF");
}

TEST(AdvancedUsbSerialNumber, SwitchAndNumberTravelInTheirOwnLines) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.advanced.rows().setChecked(ar::kUsbSerialNumber, true);
    p.advanced.rows().selectValue(ar::kUsbSerialNumber, 1);
    p.advanced.rows().typeEditText(ar::kUsbSerialNumber, "SN0042");
    ASSERT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("USB SERIAL NUMBER\t:\tON\r\nSERIAL NUMBER\t:\tSN0042\r\n"),
              std::string::npos);
    p.modelChange(0, Region::English);
    ASSERT_TRUE(p.receive(p.records.configText));
    EXPECT_EQ(p.advanced.rows().shownValue(ar::kUsbSerialNumber), "ON");
    EXPECT_EQ(p.advanced.rows().state(ar::kUsbSerialNumber).editText, "SN0042");
}

TEST(AdvancedCheckAll, ChecksOnlyWhileTheTabIsOnButAlwaysUnchecks) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.advanced.checkAll(true, false);
    EXPECT_FALSE(p.advanced.rows().state(10).checked);
    p.advanced.checkAll(true, true);
    EXPECT_TRUE(p.advanced.rows().state(10).checked);
    EXPECT_TRUE(p.advanced.rows().state(0).checked); // disabled rows are checked too
    p.advanced.checkAll(false, false);
    EXPECT_FALSE(p.advanced.rows().state(10).checked);
}

TEST(AdvancedAvailability, TwinRowsAndTheJapaneseOnlyRow) {
    for (Region region : kAllRegions) {
        RowPages p;
        p.modelChange(4, region);
        for (int row : {0, 1, 11, 12, 19, 20, 21, 22})
            EXPECT_FALSE(p.advanced.rows().state(row).enabled);
        for (int row : {2, 3, 13, 14, 23, 24, 25})
            EXPECT_TRUE(p.advanced.rows().state(row).enabled);
        EXPECT_EQ(p.advanced.rows().label(10), "AutoCal Mode"); // never translated
        EXPECT_EQ(p.advanced.rows().shownValue(10), "ON");
    }
}

TEST(AdvancedCollect, WordsAsShownAndRowsDisabledNeverSent) {
    RowPages p;
    p.modelChange(2, Region::Japanese);
    p.advanced.checkAll(true, true);
    ASSERT_TRUE(p.send());
    const std::string& text = p.records.configText;
    EXPECT_NE(text.find("AUTOCAL MODE\t:\tON\r\n"), std::string::npos);
    EXPECT_NE(text.find("HEAD CHECK STOP POS\t:\tDOT\t848\r\n"), std::string::npos);
    EXPECT_EQ(text.find("SEETHROUGH SENSITIVITY"), std::string::npos);
    EXPECT_EQ(text.find("HEAD CHECK PATTERN"), std::string::npos);
    EXPECT_EQ(text.find("RFID"), std::string::npos);
}

TEST(AdvancedLoad, WrongValueIsRedWithAnEmptyEdit) {
    RowPages p;
    p.modelChange(0, Region::English);
    EXPECT_FALSE(p.receive("MACH TEAR POS\t:\t300\tDOTS\r\nMACH CUT POS\t:\t-12\tDOTS\r\nEND\r\n"));
    EXPECT_TRUE(p.advanced.rows().red(6));
    EXPECT_EQ(p.advanced.rows().state(6).editText, "");
    EXPECT_TRUE(p.advanced.rows().state(6).checked);
    EXPECT_EQ(p.advanced.rows().state(7).editText, "-12");
    EXPECT_FALSE(p.advanced.rows().red(7));
}

TEST(AdvancedUnits, HiddenRfidRowsReplaceTheirLength) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.advanced.selectUnit(ar::kAntennaPosition, 1);
    EXPECT_EQ(p.advanced.rows().state(ar::kAntennaPosition).editText, "18.5");
    p.advanced.selectUnit(ar::kAntennaPosition, 0);
    EXPECT_EQ(p.advanced.rows().state(ar::kAntennaPosition).editText, "0.73");
    p.advanced.selectUnit(ar::kReverseMediaLength, 1);
    EXPECT_EQ(p.advanced.rows().state(ar::kReverseMediaLength).editText, "0.0");
}

} // namespace
} // namespace tessaline
