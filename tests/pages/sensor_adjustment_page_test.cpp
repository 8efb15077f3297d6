#include "page_fixture.h"
#include "pages/sensor_adjustment_page.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

namespace sr = standard_row;

TEST(SensorAdjustment, StepsAndPicturesFollowTheMediaKind) {
    SensorAdjustmentPage page;
    const auto& steps = page.steps();
    EXPECT_EQ(steps[0].text.substr(0, 38), "1. (In case of Front Fixed Sensor) Mak");
    EXPECT_NE(steps[0].text.find("gaps"), std::string::npos);
    EXPECT_EQ(steps[1].text, "2. Remove the labels to show the backing paper (liner) only.");
    EXPECT_EQ((std::array{steps[0].picture, steps[1].picture, steps[2].picture, steps[3].picture}),
              (std::array{262, 266, 264, 265}));
    EXPECT_TRUE(page.selectMediaKind(kMediaBlackMarks));
    EXPECT_NE(steps[0].text.find("black marks"), std::string::npos);
    EXPECT_EQ(steps[1].text, "2. Set the paper so that the black marks are facing downwards.");
    EXPECT_EQ(steps[2].text.substr(0, 30), "3. Place the media so that the");
    EXPECT_EQ(steps[3].text, "4. Close the printer and click on the Start Sensor Adjustment.");
    EXPECT_EQ((std::array{steps[0].picture, steps[1].picture, steps[2].picture, steps[3].picture}),
              (std::array{262, 267, 263, 265}));
}

TEST(SensorAdjustment, ClickingTheSelectedKindReloadsNothing) {
    SensorAdjustmentPage page;
    const int loads = page.pictureLoads();
    EXPECT_FALSE(page.selectMediaKind(kMediaLabelsWithGaps));
    EXPECT_FALSE(page.selectMediaKind(kMediaContinuous)); // no third choice on this page
    EXPECT_EQ(page.pictureLoads(), loads);
    EXPECT_TRUE(page.selectMediaKind(kMediaBlackMarks));
    EXPECT_EQ(page.pictureLoads(), loads + 1);
}

TEST(SensorAdjustment, TransferFromTheStandardPage) {
    struct Case {
        int mediaSensor;
        int kind;
    };
    for (Case c :
         {Case{1, kMediaBlackMarks}, {2, kMediaLabelsWithGaps}, {0, kMediaLabelsWithGaps}}) {
        test::RowPages p;
        p.modelChange(0, Region::English);
        SensorAdjustmentPage page;
        page.selectMediaKind(kMediaBlackMarks);
        p.standard.rows().setChecked(sr::kMediaSensor, true);
        p.standard.selectValue(sr::kMediaSensor, c.mediaSensor);
        p.standard.rows().setChecked(sr::kConfigSet, true);
        p.standard.selectValue(sr::kConfigSet, 2);
        page.transferIn(p.standard.transferOut());
        EXPECT_EQ(page.mediaKind(), c.kind) << c.mediaSensor;
        const SensorAdjustmentChoices choices = page.readChoices();
        EXPECT_TRUE(choices.configSetChecked);
        EXPECT_EQ(choices.configSetIndex, 2);
        EXPECT_EQ(choices.mediaKind, c.kind);
    }
}

TEST(SensorAdjustment, ChoicesGoToTheStandardPageBeforeTheAdjustment) {
    test::RowPages p;
    p.modelChange(0, Region::English);
    p.standard.checkAll(false);
    SensorAdjustmentPage page;
    page.selectMediaKind(kMediaBlackMarks);
    p.standard.transferIn(choicesForStandardPage(page.readChoices()));
    EXPECT_TRUE(p.standard.rows().state(sr::kMediaSensor).checked);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kMediaSensor), "REFLECT");
    EXPECT_EQ(p.standard.rows().state(sr::kPaperEndLevel).editText, "1.50");
    EXPECT_FALSE(p.standard.rows().state(sr::kConfigSet).checked);
    page.setConfigSetChecked(true);
    page.selectConfigSet(1);
    p.standard.transferIn(choicesForStandardPage(page.readChoices()));
    EXPECT_TRUE(p.standard.rows().state(sr::kConfigSet).checked);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kConfigSet), "CONFIG SET 2");
}

TEST(SensorAdjustment, ResetAndCheckAll) {
    SensorAdjustmentPage page;
    page.applyLanguage(Region::Japanese);
    page.checkAll(true);
    page.selectConfigSet(1);
    page.selectMediaKind(kMediaBlackMarks);
    EXPECT_TRUE(page.configSetChecked());
    page.reset();
    EXPECT_FALSE(page.configSetChecked());
    EXPECT_EQ(page.configSetIndex(), 0);
    EXPECT_EQ(page.mediaKind(), kMediaLabelsWithGaps);
    EXPECT_EQ(page.steps()[1].text, "2. 台紙だけが見えるようにラベルを数枚剥がしてください。");
    EXPECT_EQ(page.prompt(), "用紙の種類を選択してください：");
    EXPECT_EQ(page.startButtonCaption(), "センサー調整開始");
    EXPECT_EQ(page.configSetItems().size(), 3u);
}

TEST(SensorAdjustment, ThirdPictureMovesUpOutsideEnglish) {
    StepMetrics m;
    m.x = 10;
    m.y0 = 100;
    m.textHeight = {60, 20, 30, 20};
    m.pictureHeight = {134, 134, 134, 134};
    m.lastPictureWidth = 376;
    m.buttonWidth = 176;
    const StepLayout en = layoutSteps(m, Region::English);
    EXPECT_EQ(en.pictureY[0], 160);
    EXPECT_EQ(en.textY[1], 314);
    EXPECT_EQ(en.pictureY[1], 334);
    EXPECT_EQ(en.textY[2], 488);
    EXPECT_EQ(en.pictureY[2], 518);
    EXPECT_EQ(en.textY[3], 672);
    EXPECT_EQ(en.pictureY[3], 692);
    EXPECT_EQ(en.buttonX, 110);
    EXPECT_EQ(en.buttonY, 846);
    for (Region r : {Region::Japanese, Region::Chinese, Region::Korean}) {
        const StepLayout other = layoutSteps(m, r);
        EXPECT_EQ(other.textY[2], 488);
        EXPECT_EQ(other.pictureY[2], 503);
        EXPECT_EQ(other.buttonY, 831);
    }
}

} // namespace
} // namespace tessaline
