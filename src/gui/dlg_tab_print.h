#pragma once

#include "gui/made_when_shown.h"
#include "gui/template_builder.h"

#include <QWidget>

#include <functional>

class QLineEdit;

namespace tessaline {
class PrintTestPage;
}

namespace tessaline::gui {

// The Print Test page: the printer action with a picture of its printout, the print file and
// the buttons that run the host's print command and its file dialog.
class CDlgTabPrint final : public MadeWhenShown<QWidget> {
    Q_OBJECT
public:
    struct HostCommands {
        std::function<void()> print;  // clicks the host's print command
        std::function<void()> browse; // the host's print file dialog
    };
    CDlgTabPrint(PrintTestPage& page, HostCommands host, QWidget* parent = nullptr);

    // Shows the model's captions, print mode and file field.
    void refresh();
    // The controls; asking for one builds the page.
    QWidget* control(int id) const { return built().widget(id); }
    QLineEdit* fileField() const;

private:
    // The controls and their pictures are made when the page is first shown, not at start-up.
    void build() override;
    const BuiltControls& built() const {
        ensureMade();
        return controls_;
    }

    PrintTestPage& page_;
    HostCommands host_;
    BuiltControls controls_;
};

} // namespace tessaline::gui
