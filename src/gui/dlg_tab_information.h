#pragma once

#include "gui/made_when_shown.h"
#include "gui/template_builder.h"

#include <QWidget>

class QCheckBox;

namespace tessaline {
class InformationPage;
}

namespace tessaline::gui {

// The Information page: the printer's counters and the status rows of its language, placed as
// its template says.
class CDlgTabInformation final : public MadeWhenShown<QWidget> {
    Q_OBJECT
public:
    CDlgTabInformation(InformationPage& page, QWidget* parent = nullptr);

    // Shows the model's texts, captions, colours and enabled status group.
    void refresh();
    // The controls; asking for one builds the page.
    QWidget* control(int id) const { return built()->controls_.widget(id); }
    QCheckBox* statusOnlyBox() const;

private:
    // The controls are made when the page is first shown.
    void build() override;
    const CDlgTabInformation* built() const {
        ensureMade();
        return this;
    }

    InformationPage& page_;
    BuiltControls controls_;
};

} // namespace tessaline::gui
