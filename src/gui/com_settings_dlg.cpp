#include "gui/com_settings_dlg.h"

#include "gui/qt_text.h"
#include "gui/row_page_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tessaline::gui {

namespace {
constexpr int kGroupBox = 151;
constexpr int kFirstLabel = 152;
constexpr int kFirstList = 157;
constexpr int kOk = 170;
constexpr int kCancel = 171;
} // namespace

CComSettingsDlg::CComSettingsDlg(InterfaceSettings& settings, Region region, QWidget* parent)
    : QDialog(parent), settings_(settings), model_(settings, region) {
    const DialogTemplate& layout = CompiledTemplate(QStringLiteral("com_settings"));
    setFont(DialogFont(layout.fontFamily, layout.fontPoints));
    const DialogUnits units = DialogUnitsOf(font());
    controls_ = BuildDialog(this, layout, units);
    setFixedSize(units.x(layout.width), units.y(layout.height));
    for (int list = 0; list < SerialSettingsDialogModel::kListCount; ++list) {
        auto* combo = controls_.get<QComboBox>(kFirstList + list);
        if (!combo) continue;
        connect(combo, &QComboBox::activated, this, [this, list](int index) {
            model_.select(static_cast<SerialSettingsDialogModel::List>(list), index);
        });
    }
    if (auto* ok = controls_.get<QPushButton>(kOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* cancel = controls_.get<QPushButton>(kCancel))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void CComSettingsDlg::refresh() {
    setWindowTitle(qs(model_.title()));
    if (auto* box = controls_.get<QGroupBox>(kGroupBox)) box->setTitle(qs(model_.title()));
    for (int list = 0; list < SerialSettingsDialogModel::kListCount; ++list) {
        const auto which = static_cast<SerialSettingsDialogModel::List>(list);
        if (auto* label = controls_.get<QLabel>(kFirstLabel + list))
            label->setText(qs(model_.label(which)));
        if (auto* combo = controls_.get<QComboBox>(kFirstList + list))
            ShowList(combo, model_.entries(which), model_.selected(which));
    }
}

void CComSettingsDlg::accept() {
    model_.storeInto(settings_);
    QDialog::accept();
}

} // namespace tessaline::gui
