#pragma once

#include "pages/page_transfer.h"
#include "text/region.h"

#include <array>
#include <string>
#include <vector>

namespace tessaline {

// One illustrated instruction step: its text and the picture shown under it.
struct SensorStep {
    std::string text;
    int picture = 0; // picture resource id
};

// What the host reads before a sensor adjustment.
struct SensorAdjustmentChoices {
    bool configSetChecked = false;
    int configSetIndex = 0;
    int mediaKind = 0; // 0 labels with gaps, 1 black marks on back
};

// The choices as the Standard page takes them before an adjustment: the config set when its box
// is checked, the media kind always.
PageTransfer choicesForStandardPage(const SensorAdjustmentChoices& choices);

// The Sensor Adjustment page: the media kind, its four instruction steps and the config set to
// store with the adjustment.
class SensorAdjustmentPage {
public:
    SensorAdjustmentPage();

    void reset();
    void checkAll(bool checked) { configSetChecked_ = checked; }
    void applyLanguage(Region region);
    void transferIn(const PageTransfer& transfer);
    // A click on a media radio button; false (and nothing reloaded) when the kind is already
    // the selected one.
    bool selectMediaKind(int kind);
    void setConfigSetChecked(bool checked) { configSetChecked_ = checked; }
    void selectConfigSet(int index);
    SensorAdjustmentChoices readChoices() const;

    Region region() const { return region_; }
    int mediaKind() const { return mediaKind_; }
    bool configSetChecked() const { return configSetChecked_; }
    int configSetIndex() const { return configSetIndex_; }
    const std::vector<std::string>& configSetItems() const { return configSetItems_; }
    const std::array<SensorStep, 4>& steps() const { return steps_; }
    // Counts the loads of the step pictures (every change of the media kind loads them anew).
    int pictureLoads() const { return pictureLoads_; }

    // Captions in the current language.
    std::string configSetLabel() const;
    std::string globalConfigCaption() const;
    std::string groupCaption() const;
    std::string prompt() const;
    std::string mediaCaption(int kind) const;
    std::string startButtonCaption() const;

private:
    void showSteps();

    Region region_ = Region::English;
    bool configSetChecked_ = false;
    int configSetIndex_ = 0;
    std::vector<std::string> configSetItems_;
    int mediaKind_ = 0;
    std::array<SensorStep, 4> steps_{};
    int pictureLoads_ = 0;
};

// Where the four step texts, the four step pictures and the start button are placed (pixels,
// page coordinates), stacked below the first step text.
struct StepMetrics {
    int x = 0;
    int y0 = 0; // top of step text 1
    std::array<int, 4> textHeight{};
    std::array<int, 4> pictureHeight{};
    int lastPictureWidth = 0;
    int buttonWidth = 0;
};
struct StepLayout {
    std::array<int, 4> textY{};
    std::array<int, 4> pictureY{};
    int buttonX = 0;
    int buttonY = 0;
};
// Outside English the third picture moves up by half the height of the third text.
StepLayout layoutSteps(const StepMetrics& metrics, Region region);

} // namespace tessaline
