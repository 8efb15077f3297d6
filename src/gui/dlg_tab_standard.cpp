#include "gui/dlg_tab_standard.h"

#include "gui/page_colours.h"
#include "gui/row_page_view.h"
#include "pages/standard_page.h"

namespace tessaline::gui {

namespace {

// Captions that are the same in every language.
constexpr const char* kSensorSetup = "Sensor Setup";
constexpr const char* kLockingSetup = "Locking Setup";

std::vector<int> span(int first, int last) {
    std::vector<int> rows;
    for (int i = first; i <= last; ++i)
        rows.push_back(i);
    return rows;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The group boxes of the page and the rows each holds, in the order they are shown.
std::vector<RowGroup> standardGroups(const StandardPage& page) {
    auto caption = [&page](int k) { return [&page, k] { return page.groupCaption(k); }; };
    auto fixed = [](const char* text) { return [text] { return std::string(text); }; };
    return {
        {caption(0), {0}},
        {caption(1), join(span(1, 11), {14, 15, 111, 112, 116})},
        {fixed(kSensorSetup), {12, 13, 17, 18, 19, 20, 22, 30, 31}},
        {caption(2), {16, 21, 23, 24, 25, 28, 29, 32, 33, 34, 35, 108, 109, 110, 114, 115}},
        {fixed(kLockingSetup), {26, 27, 36}},
        {caption(3), join(span(37, 48), {117})},
        {caption(4), span(49, 65)},
        {caption(5), join(span(66, 93), {113})},
        {nullptr, span(94, 99)},   // Bluetooth: not shown
        {nullptr, span(100, 107)}, // RFID: not shown
    };
}

} // namespace

CDlgTabStandard::CDlgTabStandard(StandardPage& page, QWidget* parent)
    : ScrollingPage(kStandardScroll, parent) {
    RowActions actions{
        [&page](int row, bool on) { page.rows().setChecked(row, on); },
        [&page](int row, int index) { page.selectValue(row, index); },
        [&page](int row, int index) { page.selectUnit(row, index); },
        [&page](int row, const std::string& text) { page.typeEditText(row, text); },
        [&page](int row, const std::array<int, 4>& a) { page.rows().setAddress(row, a); },
    };
    view_ = new RowPageView(page.rows(), standardGroups(page), std::move(actions));
    UsePageBackground(this);
    UsePageBackground(view_);
    setContent(view_);
}

void CDlgTabStandard::refresh() {
    view_->refresh();
}

} // namespace tessaline::gui
