#pragma once

#include "gui/scrolling_page.h"

namespace tessaline {
class StandardPage;
}

namespace tessaline::gui {

class RowPageView;

// The Standard page: the printer's ordinary settings in their group boxes.
class CDlgTabStandard final : public ScrollingPage {
    Q_OBJECT
public:
    CDlgTabStandard(StandardPage& page, QWidget* parent = nullptr);
    void refresh();
    RowPageView* rows() const { return view_; }

protected:
    void contentPlaced(int visibleBottom) override;

private:
    RowPageView* view_;
};

} // namespace tessaline::gui
