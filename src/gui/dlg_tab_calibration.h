#pragma once

#include "gui/made_when_shown.h"
#include "gui/scrolling_page.h"
#include "pages/sensor_adjustment_page.h"

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaline::gui {

// The Sensor Adjustment page: the config set to store, the media kind and its four illustrated
// steps, and a start button that runs the host's adjustment command.
class CDlgTabCalibration final : public MadeWhenShown<ScrollingPage> {
    Q_OBJECT
public:
    // `start` clicks the host's command button.
    CDlgTabCalibration(SensorAdjustmentPage& page, std::function<void()> start,
                       QWidget* parent = nullptr);

    // Shows the model's captions, choices and steps.
    void refresh();

    // The controls; asking for one builds the page.
    QCheckBox* configSetBox() const { return built()->configSet_; }
    QComboBox* configSetList() const { return built()->configSets_; }
    QRadioButton* mediaButton(int kind) const { return built()->media_[static_cast<size_t>(kind)]; }
    QLabel* mediaIcon(int kind) const { return built()->icons_[static_cast<size_t>(kind)]; }
    QLabel* stepText(int k) const { return built()->texts_[static_cast<size_t>(k)]; }
    QLabel* stepPicture(int k) const { return built()->pictures_[static_cast<size_t>(k)]; }
    QPushButton* startButton() const { return built()->start_; }

private:
    // The controls and their pictures are made when the page is first shown, not at start-up.
    void build() override;
    const CDlgTabCalibration* built() const {
        ensureMade();
        return this;
    }
    void showPictures();
    void layOutSteps();

    SensorAdjustmentPage& page_;
    std::function<void()> startCommand_;
    QGroupBox* globalGroup_ = nullptr;
    QGroupBox* sensorGroup_ = nullptr;
    QCheckBox* configSet_ = nullptr;
    QComboBox* configSets_ = nullptr;
    QLabel* prompt_ = nullptr;
    std::array<QRadioButton*, 2> media_{};
    std::array<QLabel*, 2> icons_{};
    std::array<QLabel*, 2> mediaCaptions_{};
    std::array<QLabel*, 4> texts_{};
    std::array<QLabel*, 4> pictures_{};
    QPushButton* start_ = nullptr;
    QWidget* steps_ = nullptr;
    // Client sizes recorded at creation; the steps are stacked by them.
    std::array<QSize, 4> textSizes_{};
    QSize buttonSize_;
    int shownPictureLoads_ = -1;
};

} // namespace tessaline::gui
