#pragma once

#include "gui/scrolling_page.h"

namespace tessaline {
class AdvancedPage;
}

namespace tessaline::gui {

class RowPageView;

// The Advanced page: factory and mechanism settings in one group box, English throughout. Its
// rows are made when the page is first shown or asked for: most runs never show it.
class CDlgTabAdvanced final : public ScrollingPage {
    Q_OBJECT
public:
    CDlgTabAdvanced(AdvancedPage& page, QWidget* parent = nullptr);
    void refresh();
    RowPageView* rows();

signals:
    void edited(); // after any edit of the person

protected:
    void showEvent(QShowEvent* event) override;

private:
    AdvancedPage& page_;
    RowPageView* view_ = nullptr;
};

} // namespace tessaline::gui
