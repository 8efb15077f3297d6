#include "gui/dlg_tab_advanced.h"

#include "gui/page_colours.h"
#include "gui/row_page_view.h"
#include "pages/advanced_page.h"

namespace tessaline::gui {

namespace {
constexpr const char* kFactoryMode = "Factory Mode";
} // namespace

CDlgTabAdvanced::CDlgTabAdvanced(AdvancedPage& page, QWidget* parent)
    : ScrollingPage(kAdvancedScroll, parent), page_(page) {
    UsePageBackground(this);
}

RowPageView* CDlgTabAdvanced::rows() {
    if (view_) return view_;
    AdvancedPage& page = page_;
    std::vector<int> all;
    for (int i = 0; i < page.rows().size(); ++i)
        all.push_back(i);
    RowActions actions{
        [&page](int row, bool on) { page.rows().setChecked(row, on); },
        [&page](int row, int index) { page.rows().selectValue(row, index); },
        [&page](int row, int index) { page.selectUnit(row, index); },
        [&page](int row, const std::string& text) { page.rows().typeEditText(row, text); },
        [&page](int row, const std::array<int, 4>& a) { page.rows().setAddress(row, a); },
        [&page](int row) { page.rows().valueEdited(row); },
    };
    view_ = new RowPageView(page.rows(), {{[] { return std::string(kFactoryMode); }, all}},
                            std::move(actions), this, 1);
    UsePageBackground(view_);
    connect(view_, &RowPageView::edited, this, &CDlgTabAdvanced::edited);
    setContent(view_);
    view_->show();
    return view_;
}

void CDlgTabAdvanced::refresh() {
    if (view_) view_->refresh();
}

void CDlgTabAdvanced::showEvent(QShowEvent* event) {
    rows();
    ScrollingPage::showEvent(event);
}

} // namespace tessaline::gui
