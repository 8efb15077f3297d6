#include "gui/dlg_tab_standard.h"

#include "gui/page_colours.h"
#include "gui/row_page_view.h"
#include "pages/standard_page.h"

namespace tessaline::gui {

namespace {

// Captions that are the same in every language.
constexpr const char* kSensorSetup = "Sensor Setup";
constexpr const char* kLockingSetup = "Locking Setup";
constexpr const char* kUsb = "USB";
constexpr const char* kEthernetIpv4 = "Ethernet IPv4";
constexpr const char* kEthernetIpv6 = "Ethernet IPv6";
constexpr const char* kCommonEthernet = "Common Ethernet Settings";
constexpr const char* kSerialInterface = "Serial Interface";
constexpr const char* kParallelInterface = "Parallel Interface";
constexpr const char* kEthernet = "Ethernet";
constexpr const char* kWirelessLan = "Wireless LAN";
constexpr const char* kWpa2Enterprise = "WPA2-Enterprise";

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
        {caption(4),
         {},
         {{fixed(kUsb), span(49, 51)},
          {fixed(kEthernetIpv4), span(52, 55)},
          {fixed(kEthernetIpv6), span(61, 65)},
          {fixed(kCommonEthernet), span(56, 60)}}},
        {caption(5),
         {},
         {{fixed(kSerialInterface), span(66, 70)},
          {fixed(kParallelInterface), {71, 113}},
          {fixed(kEthernet), span(72, 77)},
          {fixed(kWirelessLan), span(78, 87)},
          {fixed(kWpa2Enterprise), span(88, 93)}}},
        {nullptr, span(94, 99)},   // Bluetooth: not shown
        {nullptr, span(100, 107)}, // RFID: not shown
    };
}

} // namespace

CDlgTabStandard::CDlgTabStandard(StandardPage& page, QWidget* parent)
    : ScrollingPage(kStandardScroll, parent) {
    UsePageBackground(this);
    RowActions actions{
        [&page](int row, bool on) { page.rows().setChecked(row, on); },
        [&page](int row, int index) { page.selectValue(row, index); },
        [&page](int row, int index) { page.selectUnit(row, index); },
        [&page](int row, const std::string& text) { page.typeEditText(row, text); },
        [&page](int row, const std::array<int, 4>& a) { page.rows().setAddress(row, a); },
        [&page](int row) { page.rows().valueEdited(row); },
    };
    // Built inside the page, so that the lists take the page's font as they are made. Its boxes
    // below the first screen are made as they come into view: most people never scroll there.
    view_ = new RowPageView(page.rows(), standardGroups(page), std::move(actions), this,
                            kTwoRowsPerLine, RowBuilding::OnDemand);
    UsePageBackground(view_);
    setContent(view_);
}

void CDlgTabStandard::contentPlaced(int visibleBottom) {
    view_->reveal(visibleBottom);
}

void CDlgTabStandard::refresh() {
    view_->refresh();
}

} // namespace tessaline::gui
