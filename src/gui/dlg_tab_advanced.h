#pragma once

#include "gui/scrolling_page.h"

namespace tessaline {
class AdvancedPage;
}

namespace tessaline::gui {

class RowPageView;

// The Advanced page: factory and mechanism settings in one group box, English throughout.
class CDlgTabAdvanced final : public ScrollingPage {
    Q_OBJECT
public:
    CDlgTabAdvanced(AdvancedPage& page, QWidget* parent = nullptr);
    void refresh();
    RowPageView* rows() const { return view_; }

private:
    RowPageView* view_;
};

} // namespace tessaline::gui
