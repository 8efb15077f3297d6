#pragma once

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
class CDlgTabCalibration final : public ScrollingPage {
    Q_OBJECT
public:
    // `start` clicks the host's command button.
    CDlgTabCalibration(SensorAdjustmentPage& page, std::function<void()> start,
                       QWidget* parent = nullptr);

    // Shows the model's captions, choices and steps.
    void refresh();

    QCheckBox* configSetBox() const { return configSet_; }
    QComboBox* configSetList() const { return configSets_; }
    QRadioButton* mediaButton(int kind) const { return media_[static_cast<size_t>(kind)]; }
    QLabel* mediaIcon(int kind) const { return icons_[static_cast<size_t>(kind)]; }
    QLabel* stepText(int k) const { return texts_[static_cast<size_t>(k)]; }
    QLabel* stepPicture(int k) const { return pictures_[static_cast<size_t>(k)]; }
    QPushButton* startButton() const { return start_; }

private:
    void showPictures();
    void layOutSteps();

    SensorAdjustmentPage& page_;
    QGroupBox* globalGroup_;
    QGroupBox* sensorGroup_;
    QCheckBox* configSet_;
    QComboBox* configSets_;
    QLabel* prompt_;
    std::array<QRadioButton*, 2> media_{};
    std::array<QLabel*, 2> icons_{};
    std::array<QLabel*, 2> mediaCaptions_{};
    std::array<QLabel*, 4> texts_{};
    std::array<QLabel*, 4> pictures_{};
    QPushButton* start_;
    QWidget* steps_;
    // Client sizes recorded at creation; the steps are stacked by them.
    std::array<QSize, 4> textSizes_{};
    QSize buttonSize_;
    int shownPictureLoads_ = -1;
};

} // namespace tessaline::gui
