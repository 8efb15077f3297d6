#include "gui/dlg_tab_print.h"

#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "gui/svg_picture.h"
#include "pages/print_test_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>

namespace tessaline::gui {

namespace {

constexpr int kFileField = 1113;
constexpr int kBrowse = 1109;
constexpr int kExecute = 1108;
// The printout pictures are shown at this size from their frame's top-left corner.
constexpr QSize kPrintoutSize(105, 160);

// The radio buttons in print mode order.
constexpr std::array<int, 3> kModeButtons = {1106, 1107, 1086};

struct Printout {
    int frame;
    const char* picture;
};
constexpr std::array<Printout, 2> kPrintouts = {{
    {1111, "printout_self_test"},
    {1112, "printout_sample"},
}};

void setCaption(QWidget* widget, const std::string& text) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || button->text() == qs(text)) return;
    button->setText(qs(text));
    if (qobject_cast<QRadioButton*>(button))
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
}

} // namespace

CDlgTabPrint::CDlgTabPrint(PrintTestPage& page, HostCommands host, QWidget* parent)
    : MadeWhenShown(parent), page_(page), host_(std::move(host)) {
    UsePageBackground(this);
}

void CDlgTabPrint::build() {
    const DialogTemplate& layout = CompiledTemplate(QStringLiteral("print_test"));
    controls_ =
        BuildDialog(this, layout, DialogUnitsOf(DialogFont(layout.fontFamily, layout.fontPoints)));
    for (const Printout& p : kPrintouts) {
        if (auto* frame = controls_.get<QLabel>(p.frame)) {
            // The frame is only an anchor: the picture covers the page beside its radio button.
            frame->resize(kPrintoutSize);
            frame->setPixmap(Picture(QString::fromLatin1(p.picture), kPrintoutSize));
        }
    }
    for (size_t mode = 0; mode < kModeButtons.size(); ++mode) {
        if (auto* radio = controls_.get<QRadioButton>(kModeButtons[mode])) {
            connect(radio, &QRadioButton::clicked, this,
                    [this, mode] { page_.setPrintMode(static_cast<PrintMode>(mode)); });
        }
    }
    if (QLineEdit* field = fileField()) {
        connect(field, &QLineEdit::textEdited, this,
                [this](const QString& text) { page_.setFileField(us(text)); });
    }
    if (auto* browse = controls_.get<QPushButton>(kBrowse)) {
        connect(browse, &QPushButton::clicked, this, [this] {
            if (host_.browse) host_.browse();
        });
    }
    if (auto* execute = controls_.get<QPushButton>(kExecute)) {
        connect(execute, &QPushButton::clicked, this, [this] {
            if (host_.print) host_.print();
        });
    }
    refresh();
}

QLineEdit* CDlgTabPrint::fileField() const {
    return built().get<QLineEdit>(kFileField);
}

void CDlgTabPrint::refresh() {
    if (!made()) return; // built later, from the model as it is then
    const std::array<std::pair<int, PrintCaption>, 5> captions = {{
        {kModeButtons[0], PrintCaption::SelfTest},
        {kModeButtons[1], PrintCaption::PrintSample},
        {kModeButtons[2], PrintCaption::SendFile},
        {kExecute, PrintCaption::Execute},
        {kBrowse, PrintCaption::Browse},
    }};
    for (const auto& [id, caption] : captions)
        setCaption(control(id), page_.caption(caption));
    for (size_t mode = 0; mode < kModeButtons.size(); ++mode) {
        if (auto* radio = controls_.get<QRadioButton>(kModeButtons[mode])) {
            const QSignalBlocker block(radio);
            radio->setChecked(static_cast<size_t>(page_.printMode()) == mode);
        }
    }
    if (QLineEdit* field = fileField(); field && field->text() != qs(page_.fileField()))
        field->setText(qs(page_.fileField()));
}

} // namespace tessaline::gui
