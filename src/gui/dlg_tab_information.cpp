#include "gui/dlg_tab_information.h"

#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "pages/information_page.h"
#include "text/visible_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>

#include <array>

namespace tessaline::gui {

namespace {

constexpr int kPrinterInformationGroup = 3001;
constexpr int kFirstCounterLabel = 3002; // to 3005
constexpr int kFirstCounter = 3006;      // to 3009
constexpr int kPrinterStatusGroup = 3010;
constexpr int kEplStatusGroup = 3021;
constexpr int kStatusOnly = 1268;
constexpr int kCounterCount = 4;

// Each status text with its label (none for the error message) and the group it belongs to.
struct StatusRow {
    StatusText which;
    int text;
    int label;
    bool epl;
};
constexpr std::array<StatusRow, kStatusTextCount> kStatusRows = {{
    {StatusText::PaperError, 3011, 3012, false},
    {StatusText::RibbonError, 3013, 3014, false},
    {StatusText::Printing, 3015, 3016, false},
    {StatusText::Pause, 3017, 3018, false},
    {StatusText::WaitingForPeeling, 3019, 3020, false},
    {StatusText::ErrorCode, 3022, 3023, true},
    {StatusText::ErrorMessage, 3024, 0, true},
}};

// The texts come from the printer: control characters are shown escaped.
void showText(QWidget* widget, const std::string& text) {
    const QString shown = qs(VisibleText(text, false));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != shown) label->setText(shown);
        // A right-aligned label wider than its place grows to the left, keeping its right edge
        // next to the text it names; the text's advance counts the trailing space the captions
        // end with.
        const int needed =
            std::max(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(shown));
        if (label->alignment() & Qt::AlignRight && needed > label->width()) {
            QRect place = label->geometry();
            place.setLeft(std::max(0, place.right() + 1 - needed));
            label->setGeometry(place);
        }
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->title() != shown)
        group->setTitle(shown);
    if (auto* box = qobject_cast<QCheckBox*>(widget); box && box->text() != shown)
        box->setText(shown);
}

} // namespace

CDlgTabInformation::CDlgTabInformation(InformationPage& page, QWidget* parent)
    : MadeWhenShown(parent), page_(page) {
    UsePageBackground(this);
}

void CDlgTabInformation::build() {
    const DialogTemplate& layout = CompiledTemplate(QStringLiteral("information"));
    controls_ =
        BuildDialog(this, layout, DialogUnitsOf(DialogFont(layout.fontFamily, layout.fontPoints)));
    if (QCheckBox* box = statusOnlyBox())
        connect(box, &QCheckBox::clicked, this,
                [this](bool checked) { page_.setStatusOnly(checked); });
    refresh();
}

QCheckBox* CDlgTabInformation::statusOnlyBox() const {
    return built()->controls_.get<QCheckBox>(kStatusOnly);
}

void CDlgTabInformation::refresh() {
    if (!made()) return; // shown as it is built
    showText(control(kPrinterInformationGroup), page_.printerInformationCaption());
    showText(control(kPrinterStatusGroup), page_.printerStatusCaption());
    showText(control(kEplStatusGroup), page_.eplStatusCaption());
    for (int k = 0; k < kCounterCount; ++k) {
        showText(control(kFirstCounterLabel + k), page_.counterLabel(k));
        showText(control(kFirstCounter + k), page_.counter(k));
    }
    const bool printerStatus = page_.printerStatusGroupEnabled();
    const bool eplStatus = page_.eplStatusGroupEnabled();
    control(kPrinterStatusGroup)->setEnabled(printerStatus);
    control(kEplStatusGroup)->setEnabled(eplStatus);
    for (const StatusRow& row : kStatusRows) {
        const bool enabled = row.epl ? eplStatus : printerStatus;
        QWidget* text = control(row.text);
        showText(text, page_.status(row.which));
        SetTextColour(text, page_.colour(row.which));
        text->setEnabled(enabled);
        if (QWidget* label = control(row.label)) {
            showText(label, page_.statusLabel(row.which));
            label->setEnabled(enabled);
        }
    }
    if (QCheckBox* box = statusOnlyBox()) {
        const QSignalBlocker block(box);
        showText(box, page_.statusOnlyLabel());
        box->setChecked(page_.statusOnly());
    }
}

} // namespace tessaline::gui
