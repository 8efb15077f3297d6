#include "gui/dlg_tab_calibration.h"

#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "gui/row_page_view.h"
#include "gui/svg_picture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaline::gui {

namespace {

// The drawings of the picture resources the page model names.
struct PictureSource {
    int id;
    const char* name;
};
constexpr PictureSource kPictures[] = {
    {256, "sensor_icon_black_marks"},    {257, "sensor_icon_labels_with_gaps"},
    {262, "step_sensor_alignment"},      {263, "step_black_marks_beside_sensor"},
    {264, "step_media_between_sensors"}, {265, "step_close_printer"},
    {266, "step_backing_paper_only"},    {267, "step_black_marks_face_down"},
};
// The media icons by media kind: labels with gaps, black marks on back.
constexpr std::array<int, 2> kMediaIcons = {257, 256};
constexpr QSize kStepPictureSize(376, 235);

QPixmap pictureOf(int id) {
    for (const PictureSource& p : kPictures) {
        if (p.id == id) return Picture(QString::fromLatin1(p.name));
    }
    return {};
}

void setCaption(QAbstractButton* button, const std::string& text) {
    if (button->text() != qs(text)) button->setText(qs(text));
}
void setCaption(QLabel* label, const std::string& text) {
    if (label->text() != qs(text)) label->setText(qs(text));
}
void setCaption(QGroupBox* group, const std::string& text) {
    if (group->title() != qs(text)) group->setTitle(qs(text));
}

} // namespace

CDlgTabCalibration::CDlgTabCalibration(SensorAdjustmentPage& page, std::function<void()> start,
                                       QWidget* parent)
    : MadeWhenShown(kSensorAdjustmentScroll, parent), page_(page), startCommand_(std::move(start)) {
    UsePageBackground(this);
}

void CDlgTabCalibration::build() {
    auto* content = new QWidget;
    UsePageBackground(content);
    auto* column = new QVBoxLayout(content);

    globalGroup_ = new QGroupBox(content);
    auto* globalRow = new QHBoxLayout(globalGroup_);
    configSet_ = new QCheckBox(globalGroup_);
    configSets_ = new QComboBox(globalGroup_);
    globalRow->addWidget(configSet_);
    globalRow->addWidget(configSets_);
    globalRow->addStretch(1);
    column->addWidget(globalGroup_);

    sensorGroup_ = new QGroupBox(content);
    auto* sensor = new QVBoxLayout(sensorGroup_);
    prompt_ = new QLabel(sensorGroup_);
    sensor->addWidget(prompt_);
    auto* mediaRows = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (size_t kind = 0; kind < media_.size(); ++kind) {
        const int line = static_cast<int>(kind);
        icons_[kind] = new QLabel(sensorGroup_);
        icons_[kind]->setPixmap(pictureOf(kMediaIcons[kind]));
        media_[kind] = new QRadioButton(sensorGroup_);
        group->addButton(media_[kind], line);
        mediaCaptions_[kind] = new QLabel(sensorGroup_);
        mediaRows->addWidget(icons_[kind], line, 0);
        mediaRows->addWidget(media_[kind], line, 1);
        mediaRows->addWidget(mediaCaptions_[kind], line, 2);
    }
    mediaRows->setColumnStretch(2, 1);
    sensor->addLayout(mediaRows);

    // The steps are placed by the stacking rule, not by a layout.
    steps_ = new QWidget(sensorGroup_);
    for (size_t k = 0; k < texts_.size(); ++k) {
        texts_[k] = new QLabel(steps_);
        texts_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        texts_[k]->setText(qs(page_.steps()[k].text));
        textSizes_[k] = texts_[k]->sizeHint().expandedTo(QSize(kStepPictureSize.width(), 0));
        pictures_[k] = new QLabel(steps_);
        pictures_[k]->resize(kStepPictureSize);
    }
    start_ = new QPushButton(steps_);
    start_->setText(qs(page_.startButtonCaption()));
    buttonSize_ = start_->sizeHint();
    sensor->addWidget(steps_);
    column->addWidget(sensorGroup_);
    column->addStretch(1);

    connect(configSet_, &QCheckBox::clicked, this, [this](bool checked) {
        page_.setConfigSetChecked(checked);
        refresh();
    });
    connect(configSets_, &QComboBox::activated, this, [this](int index) {
        page_.selectConfigSet(index);
        refresh();
    });
    connect(group, &QButtonGroup::idClicked, this, [this](int kind) {
        page_.selectMediaKind(kind);
        refresh();
    });
    connect(start_, &QPushButton::clicked, this, [this] {
        if (startCommand_) startCommand_();
    });

    refresh();
    setContent(content);
}

void CDlgTabCalibration::refresh() {
    if (!made()) return; // built later, from the model as it is then
    setCaption(globalGroup_, page_.globalConfigCaption());
    setCaption(configSet_, page_.configSetLabel());
    {
        const QSignalBlocker block(configSet_);
        configSet_->setChecked(page_.configSetChecked());
    }
    ShowList(configSets_, page_.configSetItems(), page_.configSetIndex());
    setCaption(sensorGroup_, page_.groupCaption());
    setCaption(prompt_, page_.prompt());
    for (size_t kind = 0; kind < media_.size(); ++kind) {
        const QSignalBlocker block(media_[kind]);
        media_[kind]->setChecked(page_.mediaKind() == static_cast<int>(kind));
        setCaption(mediaCaptions_[kind], page_.mediaCaption(static_cast<int>(kind)));
    }
    for (size_t k = 0; k < texts_.size(); ++k)
        setCaption(texts_[k], page_.steps()[k].text);
    setCaption(start_, page_.startButtonCaption());
    showPictures();
    layOutSteps();
    refitContent();
}

void CDlgTabCalibration::showPictures() {
    // The pictures are loaded again only when the model changed its steps.
    if (shownPictureLoads_ == page_.pictureLoads()) return;
    shownPictureLoads_ = page_.pictureLoads();
    for (size_t k = 0; k < pictures_.size(); ++k)
        pictures_[k]->setPixmap(pictureOf(page_.steps()[k].picture));
}

void CDlgTabCalibration::layOutSteps() {
    // A text taller or wider than the one measured at creation (another script's line height)
    // keeps all of it in view; a shorter one keeps the measured size.
    std::array<QSize, 4> sizes{};
    StepMetrics metrics;
    for (size_t k = 0; k < texts_.size(); ++k) {
        sizes[k] = textSizes_[k].expandedTo(texts_[k]->sizeHint());
        metrics.textHeight[k] = sizes[k].height();
        metrics.pictureHeight[k] = kStepPictureSize.height();
    }
    metrics.lastPictureWidth = kStepPictureSize.width();
    metrics.buttonWidth = buttonSize_.width();
    const StepLayout place = layoutSteps(metrics, page_.region());
    int width = kStepPictureSize.width();
    for (size_t k = 0; k < texts_.size(); ++k) {
        texts_[k]->setGeometry(QRect(QPoint(metrics.x, place.textY[k]), sizes[k]));
        pictures_[k]->move(metrics.x, place.pictureY[k]);
        width = std::max(width, sizes[k].width());
    }
    start_->setGeometry(QRect(QPoint(place.buttonX, place.buttonY), buttonSize_));
    steps_->setFixedSize(width, place.buttonY + buttonSize_.height());
}

} // namespace tessaline::gui
