#pragma once

#include "app/prompter.h"

#include <QString>

class QWidget;

namespace tessaline::gui {

// The program's name, the caption of its message boxes.
inline constexpr const char* kApplicationName = "Tessaline2";

// Questions and messages as message boxes over the main window, file choices as file dialogs.
class QtPrompter final : public Prompter {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    MessageButton askYesNo(const std::string& text, MessageStyle style) override;
    void showMessage(const std::string& text, MessageStyle style,
                     const std::string& caption = {}) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

private:
    QWidget* parent_ = nullptr;
};

// The file dialog's type list: "Text (*.prn)" lines.
QStringList FileDialogNameFilters(const FileChoice& choice);

} // namespace tessaline::gui
