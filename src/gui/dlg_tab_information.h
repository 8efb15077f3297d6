#pragma once

#include "gui/template_builder.h"

#include <QWidget>

class QCheckBox;

namespace tessaline {
class InformationPage;
}

namespace tessaline::gui {

// The Information page: the printer's counters and the status rows of its language, placed as
// its template says.
class CDlgTabInformation final : public QWidget {
    Q_OBJECT
public:
    CDlgTabInformation(InformationPage& page, QWidget* parent = nullptr);

    // Shows the model's texts, captions, colours and enabled status group.
    void refresh();
    // The controls; asking for one builds the page.
    QWidget* control(int id) const { return built()->controls_.widget(id); }
    QCheckBox* statusOnlyBox() const;

protected:
    // The controls are made when the page is first shown.
    void showEvent(QShowEvent* event) override;

private:
    const CDlgTabInformation* built() const;
    void build();

    InformationPage& page_;
    BuiltControls controls_;
    bool built_ = false;
};

} // namespace tessaline::gui
