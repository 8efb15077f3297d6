#include "gui/dlg_self_info.h"

#include "app/prompter.h"
#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "selfinfo/self_info_save.h"
#include "text/visible_text.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <ctime>

namespace tessaline::gui {

namespace {

constexpr int kSave = 1;
constexpr int kFirstCheck = 1114; // to 1116
constexpr int kMachineBox = 1117;
constexpr int kSettingsBox = 1118;
constexpr int kMachineTabStop = 32; // dialog units
constexpr int kSettingsTabStop = 4;
// The settings box's own font: cell height in pixels and weight.
constexpr int kSettingsFontHeight = 28;
constexpr int kSettingsFontWeight = 16;

// Font metrics do not follow the point size exactly: each attempt aims a little below the room.
constexpr int kFitAttempts = 6;
constexpr double kFitMargin = 0.98;
constexpr double kSmallestPoints = 6;

constexpr Rgb kTickedCaption{0, 255, 0};
constexpr Rgb kUntickedCaption{255, 0, 0};
constexpr Rgb kCaptionBackground{0, 0, 0};

// The printer's lines end in CR LF; a text box shows them as plain line breaks, and any other
// control character escaped.
QString shownLines(const std::string& text) {
    return qs(VisibleText(text, true)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A font whose line cell is `height` pixels high.
QFont fontWithCellHeight(QFont font, int height) {
    font.setPixelSize(height);
    const int cell = QFontMetrics(font).height();
    if (cell > 0 && cell != height) font.setPixelSize(std::max(1, height * height / cell));
    return font;
}

// The template's large font makes the dialog about 1800 x 1000 pixels. On a smaller screen the
// font shrinks in proportion, so that the whole dialog, Save included, stays reachable; the
// layout in dialog units is unchanged. Returns the factor the font was scaled by.
double fitFontToScreen(QFont& font, const DialogTemplate& layout, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) return 1.0;
    const QSize room = screen->availableGeometry().size();
    const double points = font.pointSizeF();
    double scale = 1.0;
    for (int attempt = 0; attempt < kFitAttempts; ++attempt) {
        const DialogUnits units = DialogUnitsOf(font);
        const double across = static_cast<double>(room.width()) / units.x(layout.width);
        const double down = static_cast<double>(room.height()) / units.y(layout.height);
        if (across >= 1.0 && down >= 1.0) break;
        scale *= std::min(across, down) * kFitMargin;
        font.setPointSizeF(std::max(kSmallestPoints, points * scale));
    }
    return scale;
}

} // namespace

CDlgSelfInfo::CDlgSelfInfo(SelfInfoTexts texts, Prompter& prompter, QWidget* parent,
                           std::string baseFolder)
    : QDialog(parent), texts_(std::move(texts)), prompter_(prompter),
      baseFolder_(std::move(baseFolder)) {
    const DialogTemplate& layout = CompiledTemplate(QStringLiteral("self_info"));
    setWindowTitle(layout.title);
    QFont dialogFont = DialogFont(layout.fontFamily, layout.fontPoints);
    const double scale = fitFontToScreen(dialogFont, layout, parent);
    setFont(dialogFont);
    const DialogUnits units = DialogUnitsOf(font());
    controls_ = BuildDialog(this, layout, units);
    setFixedSize(units.x(layout.width), units.y(layout.height));
    // A caption a little wider than its place at this font keeps its whole text.
    for (QLabel* caption : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());

    // The boxes are read-only, so their text limits (which bound typing) never cut what the
    // printer sent: both texts are shown and saved whole.
    if (QPlainTextEdit* machine = machineBox()) {
        machine->setTabStopDistance(units.x(kMachineTabStop));
        machine->setPlainText(shownLines(texts_.machineText));
    }
    if (QPlainTextEdit* settings = settingsBox()) {
        QFont settingsFont = fontWithCellHeight(
            settings->font(), std::max(1, static_cast<int>(kSettingsFontHeight * scale)));
        settingsFont.setWeight(static_cast<QFont::Weight>(kSettingsFontWeight));
        settings->setFont(settingsFont);
        settings->setTabStopDistance(units.x(kSettingsTabStop));
        QPalette palette = settings->palette();
        palette.setColor(QPalette::Text, ToQColor(kBlueText));
        settings->setPalette(palette);
        settings->setPlainText(shownLines(texts_.settingsText));
    }
    for (int k = 0; k < SelfInfoChecks::kCount; ++k) {
        if (QCheckBox* box = checkBox(k)) {
            box->setAutoFillBackground(true);
            connect(box, &QCheckBox::clicked, this, [this, k](bool ticked) {
                checks_.setTicked(k, ticked);
                showChecks();
            });
        }
    }
    if (QPushButton* save = saveButton())
        connect(save, &QPushButton::clicked, this, &CDlgSelfInfo::save);
    showChecks();
}

QCheckBox* CDlgSelfInfo::checkBox(int index) const {
    return controls_.get<QCheckBox>(kFirstCheck + index);
}
QPushButton* CDlgSelfInfo::saveButton() const {
    return controls_.get<QPushButton>(kSave);
}
QPlainTextEdit* CDlgSelfInfo::machineBox() const {
    return controls_.get<QPlainTextEdit>(kMachineBox);
}
QPlainTextEdit* CDlgSelfInfo::settingsBox() const {
    return controls_.get<QPlainTextEdit>(kSettingsBox);
}

void CDlgSelfInfo::showChecks() {
    for (int k = 0; k < SelfInfoChecks::kCount; ++k) {
        QCheckBox* box = checkBox(k);
        if (!box) continue;
        box->setText(qs(checks_.caption(k)));
        box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
        QPalette palette = box->palette();
        const QColor text = ToQColor(checks_.ticked(k) ? kTickedCaption : kUntickedCaption);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, text);
            palette.setColor(group, QPalette::ButtonText, text);
        }
        palette.setColor(box->backgroundRole(), ToQColor(kCaptionBackground));
        box->setPalette(palette);
    }
    if (QPushButton* save = saveButton()) save->setEnabled(checks_.saveEnabled());
    update();
}

void CDlgSelfInfo::save() {
    if (!checks_.saveEnabled()) return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const SelfInfoSaveResult result =
        SaveSelfInformation(texts_.machineText, texts_.settingsText, local, baseFolder_);
    const bool saved = !result.fileName.empty();
    prompter_.showMessage(result.message,
                          saved ? MessageStyle::InformationOk : MessageStyle::ExclamationOk,
                          result.title);
    if (saved)
        accept();
    else if (result.closeDialog)
        reject();
}

} // namespace tessaline::gui
