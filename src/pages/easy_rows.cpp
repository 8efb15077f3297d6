#include "pages/setting_row.h"

namespace tessaline {

// The Easy page's rows. They have no slots: their values travel to the Standard page. Row i
// takes its label and lists from ItemTexts descriptor 160 + i.
namespace {

// clang-format off
constexpr SettingRow kRows[] = {
    /* 0 */ {.label = "Media Type", .descriptor = 160, .values = ValueList::Radio, .defaultValue = sameIndex(0)},
    /* 1 */ {.label = "Paper Length", .descriptor = 161, .units = UnitList::Length, .editMax = 6, .checkBox = false, .defaultText = sameText("4.00")},
    /* 2 */ {.label = "Print Method", .descriptor = 162, .values = ValueList::Descriptor, .defaultValue = sameIndex(0)},
    /* 3 */ {.label = "Post Print", .descriptor = 163, .values = ValueList::Descriptor, .defaultValue = sameIndex(1)},
    /* 4 */ {.label = "Start Offset", .descriptor = 164, .units = UnitList::Length, .editMax = 5, .defaultText = sameText("0.00")},
    /* 5 */ {.label = "Stop Offset", .descriptor = 165, .units = UnitList::Length, .editMax = 5, .defaultText = sameText("0.00")},
};
// clang-format on

static_assert(std::size(kRows) == 6);

} // namespace

std::span<const SettingRow> easyRows() {
    return kRows;
}

} // namespace tessaline
