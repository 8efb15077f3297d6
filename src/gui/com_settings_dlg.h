#pragma once

#include "app/serial_settings_dialog.h"
#include "gui/template_builder.h"

#include <QDialog>

namespace tessaline::gui {

// The serial line settings dialog over its model: OK stores the five choices in `settings`.
class CComSettingsDlg final : public QDialog {
    Q_OBJECT
public:
    CComSettingsDlg(InterfaceSettings& settings, Region region, QWidget* parent = nullptr);

    const SerialSettingsDialogModel& model() const { return model_; }
    QWidget* control(int id) const { return controls_.widget(id); }

    void accept() override;

private:
    void refresh();

    InterfaceSettings& settings_;
    SerialSettingsDialogModel model_;
    BuiltControls controls_;
};

} // namespace tessaline::gui
