#include "pages/sensor_adjustment_page.h"

#include "pages/easy_page.h"
#include "text/text_tables.h"

namespace tessaline {

namespace {

constexpr int kConfigSetText = 19;         // "Config Set" and its three values
constexpr int kGlobalConfigText = 140;     // group "Global Config"
constexpr int kSensorAdjustmentText = 167; // group caption and the two media captions
constexpr int kSendButtonText = 7;         // label 1: "Start Sensor Adjustment"
constexpr int kPromptGuide = 0;

// Guide text and picture of the four steps per media kind (labels with gaps, black marks).
struct StepSource {
    int guide;
    int picture;
};
constexpr StepSource kSteps[2][4] = {
    {{2, 262}, {5, 266}, {7, 264}, {9, 265}},
    {{4, 262}, {6, 267}, {8, 263}, {9, 265}},
};

constexpr int kStepGap = 20;

} // namespace

SensorAdjustmentPage::SensorAdjustmentPage() {
    applyLanguage(Region::English);
    reset();
}

void SensorAdjustmentPage::showSteps() {
    const int kind = mediaKind_ == kMediaBlackMarks ? 1 : 0;
    for (int k = 0; k < 4; ++k) {
        steps_[k].text = std::string(GuideText(kSteps[kind][k].guide, region_));
        steps_[k].picture = kSteps[kind][k].picture;
    }
}

void SensorAdjustmentPage::reset() {
    configSetChecked_ = false;
    configSetIndex_ = 0;
    mediaKind_ = kMediaLabelsWithGaps;
    showSteps();
    ++pictureLoads_;
}

void SensorAdjustmentPage::applyLanguage(Region region) {
    region_ = region;
    configSetItems_.clear();
    for (const ShortText& t : ItemTextsRow(kConfigSetText).values)
        configSetItems_.emplace_back(t.text(region));
    showSteps();
}

void SensorAdjustmentPage::transferIn(const PageTransfer& t) {
    if (t.configSetPresent == 1) {
        configSetChecked_ = true;
        selectConfigSet(t.configSetIndex);
    }
    if (t.mediaPresent == 1) {
        // Continuous media has no adjustment: it shows the labels with gaps.
        const int kind = t.mediaKind == kMediaBlackMarks ? kMediaBlackMarks : kMediaLabelsWithGaps;
        mediaKind_ = kind;
        showSteps();
        ++pictureLoads_;
    }
}

bool SensorAdjustmentPage::selectMediaKind(int kind) {
    if (kind != kMediaLabelsWithGaps && kind != kMediaBlackMarks) return false;
    if (kind == mediaKind_) return false;
    mediaKind_ = kind;
    showSteps();
    ++pictureLoads_;
    return true;
}

void SensorAdjustmentPage::selectConfigSet(int index) {
    if (index >= 0 && index < static_cast<int>(configSetItems_.size())) configSetIndex_ = index;
}

SensorAdjustmentChoices SensorAdjustmentPage::readChoices() const {
    return {configSetChecked_, configSetIndex_, mediaKind_};
}

std::string SensorAdjustmentPage::configSetLabel() const {
    return std::string(ItemTextsRow(kConfigSetText).label(0, region_));
}
std::string SensorAdjustmentPage::globalConfigCaption() const {
    return std::string(ItemTextsRow(kGlobalConfigText).label(0, region_));
}
std::string SensorAdjustmentPage::groupCaption() const {
    return std::string(ItemTextsRow(kSensorAdjustmentText).label(0, region_));
}
std::string SensorAdjustmentPage::prompt() const {
    return std::string(GuideText(kPromptGuide, region_));
}
std::string SensorAdjustmentPage::mediaCaption(int kind) const {
    return std::string(ItemTextsRow(kSensorAdjustmentText).value(kind, region_));
}
std::string SensorAdjustmentPage::startButtonCaption() const {
    return std::string(ItemTextsRow(kSendButtonText).label(1, region_));
}

PageTransfer choicesForStandardPage(const SensorAdjustmentChoices& choices) {
    PageTransfer t;
    t.configSetPresent = choices.configSetChecked ? 1 : 0;
    t.configSetIndex = choices.configSetIndex;
    t.mediaPresent = 1;
    t.mediaKind = choices.mediaKind;
    return t;
}

StepLayout layoutSteps(const StepMetrics& m, Region region) {
    StepLayout out;
    int y = m.y0;
    out.textY[0] = y;
    out.pictureY[0] = y += m.textHeight[0];
    for (int k = 1; k < 4; ++k) {
        out.textY[k] = y += m.pictureHeight[k - 1] + kStepGap;
        const int lift = (k == 2 && region != Region::English) ? m.textHeight[2] / 2 : 0;
        out.pictureY[k] = y += m.textHeight[k] - lift;
    }
    out.buttonX = m.x + (m.lastPictureWidth - m.buttonWidth) / 2;
    out.buttonY = y + m.pictureHeight[3] + kStepGap;
    return out;
}

} // namespace tessaline
