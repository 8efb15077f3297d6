#pragma once

#include "gui/template_builder.h"
#include "selfinfo/self_info_checks.h"
#include "selfinfo/self_info_texts.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tessaline {
class Prompter;
}

namespace tessaline::gui {

// The self-information dialog: the printer's machine information with its key settings beside
// a settings extract, three manual checks, and Save, which writes both texts as a CSV record in
// the day's folder under `baseFolder`.
class CDlgSelfInfo final : public QDialog {
    Q_OBJECT
public:
    CDlgSelfInfo(SelfInfoTexts texts, Prompter& prompter, QWidget* parent = nullptr,
                 std::string baseFolder = ".");

    QWidget* control(int id) const { return controls_.widget(id); }
    QCheckBox* checkBox(int index) const;
    QPushButton* saveButton() const;
    QPlainTextEdit* machineBox() const;
    QPlainTextEdit* settingsBox() const;
    const SelfInfoChecks& checks() const { return checks_; }

private:
    void showChecks();
    void save();

    SelfInfoTexts texts_;
    Prompter& prompter_;
    std::string baseFolder_;
    SelfInfoChecks checks_;
    BuiltControls controls_;
};

} // namespace tessaline::gui
