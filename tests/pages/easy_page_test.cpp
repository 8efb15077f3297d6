#include "page_fixture.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

namespace er = easy_row;
namespace sr = standard_row;
using test::RowPages;

TEST(Easy, ModelChangeShowsTheDefaults) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.easy.checkAll(true);
    p.easy.selectMediaKind(kMediaContinuous);
    p.easy.selectValue(er::kPostPrint, 4);
    p.modelChange(4, Region::English);
    const RowPage& rows = p.easy.rows();
    EXPECT_EQ(p.easy.mediaKind(), kMediaLabelsWithGaps);
    EXPECT_EQ(rows.shownValue(er::kMediaType), "Labels\nwith gaps");
    EXPECT_FALSE(rows.state(er::kPaperLength).editEnabled);
    EXPECT_FALSE(rows.state(er::kPaperLength).unitEnabled);
    EXPECT_EQ(rows.shownValue(er::kPrintMethod), "USE RIBBON");
    EXPECT_EQ(rows.shownValue(er::kPostPrint), "TEAR");
    for (int row : {er::kStartOffset, er::kStopOffset}) {
        EXPECT_EQ(rows.state(row).editText, "0.00");
        EXPECT_EQ(rows.shownUnit(row), "INCH");
    }
    for (int row = 0; row < rows.size(); ++row)
        EXPECT_FALSE(rows.state(row).checked);
    EXPECT_EQ(p.easy.mediaHandlingCaption(), "Media Handling");
}

TEST(Easy, PaperLengthIsEditableOnlyForContinuousMedia) {
    EasyPage easy;
    easy.applyAvailability(0, Region::English);
    easy.restoreDefaults(0);
    for (int kind : {kMediaContinuous, kMediaBlackMarks, kMediaContinuous, kMediaLabelsWithGaps}) {
        easy.selectMediaKind(kind);
        EXPECT_EQ(easy.rows().state(er::kPaperLength).editEnabled, kind == kMediaContinuous);
    }
    easy.selectUnit(er::kPaperLength, 1);
    EXPECT_EQ(easy.rows().state(er::kPaperLength).editText, "101.6");
    easy.selectUnit(er::kStopOffset, 1);
    EXPECT_EQ(easy.rows().state(er::kStopOffset).editText, "0.0");
}

TEST(Easy, ContinuousMediaTravelsToTheStandardPage) {
    RowPages p;
    p.modelChange(0, Region::Japanese);
    p.easy.rows().setChecked(er::kMediaType, true);
    p.easy.selectMediaKind(kMediaContinuous);
    p.easy.typeEditText(er::kPaperLength, "6.00");
    p.standard.transferIn(p.easy.transferOut()); // leaving the Easy tab
    const RowPage& rows = p.standard.rows();
    EXPECT_TRUE(rows.state(sr::kMediaSensor).checked);
    EXPECT_EQ(rows.state(sr::kMediaSensor).valueIndex, 2);
    EXPECT_TRUE(rows.state(sr::kContinuousMediaLength).checked);
    EXPECT_EQ(rows.state(sr::kContinuousMediaLength).editText, "6.00");
    EXPECT_EQ(rows.state(sr::kContinuousMediaLength).unitIndex, 0);
    EXPECT_EQ(rows.state(sr::kSensorLevel).editText, "1.5");
    EXPECT_EQ(rows.state(sr::kPaperEndLevel).editText, "1.20");
    ASSERT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("MEDIA SENSOR\t:\tNONE\r\n"), std::string::npos);
}

TEST(Easy, UncheckedItemsClearNothingOnEitherSide) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.standard.rows().setChecked(sr::kFunctionSelect, true);
    p.standard.selectValue(sr::kFunctionSelect, 3);
    p.standard.transferIn(p.easy.transferOut()); // nothing checked on the Easy page
    EXPECT_TRUE(p.standard.rows().state(sr::kFunctionSelect).checked);
    EXPECT_EQ(p.standard.rows().state(sr::kFunctionSelect).valueIndex, 3);

    p.easy.rows().setChecked(er::kPrintMethod, true);
    p.easy.selectValue(er::kPrintMethod, 1);
    p.easy.transferIn(p.standard.transferOut()); // Print Method unchecked on the Standard page
    EXPECT_TRUE(p.easy.rows().state(er::kPrintMethod).checked);
    EXPECT_EQ(p.easy.rows().state(er::kPrintMethod).valueIndex, 1);
    // Function Select checked there: Post Print follows.
    EXPECT_TRUE(p.easy.rows().state(er::kPostPrint).checked);
    EXPECT_EQ(p.easy.rows().shownValue(er::kPostPrint), "CUT ON");
}

TEST(Easy, TransferOutCarriesTheTextsAndIndexes) {
    EasyPage easy;
    easy.applyLanguage(Region::Korean);
    easy.applyAvailability(0, Region::Korean);
    easy.restoreDefaults(0);
    EXPECT_EQ(easy.transferOut().mediaPresent, 0);
    easy.checkAll(true);
    easy.selectMediaKind(kMediaBlackMarks);
    easy.selectUnit(er::kStartOffset, 1);
    easy.typeEditText(er::kStartOffset, "-2.5");
    const PageTransfer t = easy.transferOut();
    EXPECT_EQ(t.configSetPresent, 0);
    EXPECT_EQ(t.mediaPresent, 1);
    EXPECT_EQ(t.mediaKind, 1);
    EXPECT_EQ(t.paperLengthText, "4.00"); // carried whatever the media kind
    EXPECT_EQ(t.printMethodPresent, 1);
    EXPECT_EQ(t.printMethodIndex, 0);
    EXPECT_EQ(t.postPrintIndex, 1);
    EXPECT_EQ(t.startOffsetText, "-2.5");
    EXPECT_EQ(t.startOffsetUnitIndex, 1);
    EXPECT_EQ(t.stopOffsetText, "0.00");

    EasyPage other;
    other.applyAvailability(0, Region::English);
    other.restoreDefaults(0);
    other.transferIn(t);
    EXPECT_EQ(other.mediaKind(), kMediaBlackMarks);
    EXPECT_FALSE(other.rows().state(er::kPaperLength).editEnabled);
    EXPECT_EQ(other.rows().state(er::kStartOffset).editText, "-2.5");
    EXPECT_EQ(other.rows().shownUnit(er::kStartOffset), "MM");
}

} // namespace
} // namespace tessaline
