#include "pages/advanced_page.h"

namespace tessaline {

namespace ar = advanced_row;

namespace {

// Highest dot of the head check positions and of the pattern width per head (203, 300 dpi).
constexpr int kHeadCheckDots[2] = {848, 1264};
constexpr int kPatternWidthDots[2] = {832, 1240};

// Fixed edit texts that replace a length when its unit is chosen.
struct UnitTexts {
    int row;
    std::string_view inch;
    std::string_view mm;
};
constexpr UnitTexts kUnitTexts[] = {{ar::kAntennaPosition, "0.73", "18.5"},
                                    {ar::kReverseMediaLength, "0.00", "0.0"}};

} // namespace

AdvancedPage::AdvancedPage(ConfigurationRecordSet& records)
    : rows_(
          advancedRows(), [&records](int entry) { return &records.entryRecord(entry); },
          CollectWords::AsShown) {}

void AdvancedPage::applyFamily(int row) {
    // The resolution list always shows the family's head and cannot be changed.
    RowState& s = rows_.state(row);
    s.unitEnabled = false;
    s.spinMin = 1;
    s.spinMax = kHeadCheckDots[family_];
}

void AdvancedPage::applyAvailability(int model, Region region) {
    if (isValidModelIndex(model)) family_ = model / 3;
    rows_.applyAvailability(model, region);
    for (int row : {ar::kHeadCheckStart, ar::kHeadCheckStop})
        rows_.state(row).unitEnabled = false;
}

void AdvancedPage::restoreDefaults(int model) {
    if (!isValidModelIndex(model)) return;
    family_ = model / 3;
    rows_.restoreDefaults(model);
    for (int row : {ar::kHeadCheckStart, ar::kHeadCheckStop}) {
        rows_.selectUnit(row, family_);
        applyFamily(row);
    }
}

void AdvancedPage::restoreDefaultsCommand(int model) {
    const RowState kept = rows_.state(ar::kUsbSerialNumber);
    restoreDefaults(model);
    RowState& s = rows_.state(ar::kUsbSerialNumber);
    s.valueIndex = kept.valueIndex;
    s.editText = kept.editText;
}

void AdvancedPage::checkAll(bool checked, bool advancedTabOn) {
    if (checked && !advancedTabOn) return;
    rows_.setAllChecked(checked);
}

bool AdvancedPage::load() {
    const int startUnit = rows_.state(ar::kHeadCheckStart).unitIndex;
    const int stopUnit = rows_.state(ar::kHeadCheckStop).unitIndex;
    const bool ok = rows_.load();
    // Whatever range the printer reported, the head check positions keep the family's range.
    for (auto [row, unit] :
         {std::pair{ar::kHeadCheckStart, startUnit}, {ar::kHeadCheckStop, stopUnit}}) {
        SettingValue& v = *rows_.slot(row);
        if (v.selected != 1) continue;
        v.unitIndex = family_;
        rows_.state(row).unitIndex = unit;
        applyFamily(row);
    }
    const SettingValue& width = *rows_.slot(ar::kPatternWidth);
    if (width.selected == 1)
        rows_.state(ar::kPatternWidth).spinMax = kPatternWidthDots[width.unitIndex == 1 ? 1 : 0];
    return ok;
}

void AdvancedPage::showWrittenValues() {
    for (int i = 0; i < rows_.size(); ++i) {
        const SettingValue* v = rows_.slot(i);
        if (v == nullptr || v->selected != 1) continue;
        rows_.state(i).checked = true;
        if (rows_.row(i).hasEdit()) rows_.setEditText(i, v->valueText);
    }
}

void AdvancedPage::selectUnit(int row, int index) {
    if (row == ar::kHeadCheckStart || row == ar::kHeadCheckStop) return; // the list is locked
    rows_.selectUnit(row, index);
    const int unit = rows_.state(row).unitIndex;
    for (const UnitTexts& t : kUnitTexts)
        if (t.row == row && unit >= 0)
            rows_.setEditText(row, std::string(unit == 0 ? t.inch : t.mm));
}

} // namespace tessaline
