#include "pages/row_page.h"

#include "text/text_tables.h"

#include <charconv>

namespace tessaline {

namespace {

bool inRange(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

std::vector<std::string> listItems(std::span<const ShortText> list, Region region) {
    std::vector<std::string> items;
    for (const ShortText& t : list)
        if (!t.text(region).empty()) items.emplace_back(t.text(region)); // empty items are left out
    return items;
}

std::vector<std::string> descriptorValues(int descriptor, Region region) {
    return listItems(ItemTextsRow(descriptor).values, region);
}

std::vector<std::string> descriptorUnits(int descriptor, Region region) {
    return listItems(ItemTextsRow(descriptor).units, region);
}

constexpr std::string_view kLengthUnits[] = {"INCH", "MM"};
constexpr std::string_view kResolutionUnits[] = {"203dpi", "300dpi"};

std::vector<std::string> fixedUnits(UnitList units) {
    std::vector<std::string> items;
    if (units == UnitList::Length)
        for (std::string_view u : kLengthUnits)
            items.emplace_back(u);
    if (units == UnitList::Resolution)
        for (std::string_view u : kResolutionUnits)
            items.emplace_back(u);
    return items;
}

} // namespace

RowPage::RowPage(std::span<const SettingRow> rows, const SlotOf& slotOf, CollectWords words)
    : rows_(rows), states_(rows.size()), slots_(rows.size(), nullptr), words_(words) {
    for (int i = 0; i < size(); ++i) {
        if (slotOf && rows_[i].entry >= 0) slots_[i] = slotOf(rows_[i].entry);
        fillLists(i);
    }
}

void RowPage::fillLists(int i) {
    const SettingRow& r = rows_[i];
    RowState& s = states_[i];
    switch (r.values) {
    case ValueList::None:
        break;
    case ValueList::Fixed:
        s.items.assign(r.fixedValues.begin(), r.fixedValues.end());
        break;
    case ValueList::Descriptor:
    case ValueList::PrintSpeed:
    case ValueList::Radio:
        s.items = descriptorValues(r.descriptor, region_);
        break;
    }
    if (r.hasUnitList())
        s.units = (r.unitsFixed || r.descriptor < 0) ? fixedUnits(r.units)
                                                     : descriptorUnits(r.descriptor, region_);
}

std::string RowPage::label(int i) const {
    const SettingRow& r = rows_[i];
    if (r.descriptor < 0) return std::string(r.label);
    return std::string(ItemTextsRow(r.descriptor).label(0, region_));
}

std::string RowPage::shownValue(int i) const {
    const RowState& s = states_[i];
    return inRange(s.valueIndex, s.items.size()) ? s.items[s.valueIndex] : std::string();
}

std::string RowPage::shownUnit(int i) const {
    const RowState& s = states_[i];
    return inRange(s.unitIndex, s.units.size()) ? s.units[s.unitIndex] : std::string();
}

bool RowPage::red(int i) const {
    return slots_[i] != nullptr && slots_[i]->invalid == 1;
}

void RowPage::applyAvailability(int model, Region region) {
    const bool japanese = region == Region::Japanese;
    for (int i = 0; i < size(); ++i) {
        const SettingRow& r = rows_[i];
        bool enabled = modelInMask(r.available, model);
        if ((r.onlyJapanese && !japanese) || (r.notJapanese && japanese)) enabled = false;
        RowState& s = states_[i];
        s.enabled = s.editEnabled = s.unitEnabled = enabled;
    }
}

void RowPage::restoreDefaults(int model) {
    if (!isValidModelIndex(model)) return;
    for (int i = 0; i < size(); ++i) {
        const SettingRow& r = rows_[i];
        RowState& s = states_[i];
        s.checked = false;
        if (r.hasValueList()) {
            const int index = r.defaultValue[model];
            s.valueIndex = inRange(index, s.items.size()) ? index : -1;
        }
        if (r.hasUnitList())
            s.unitIndex = inRange(r.defaultUnit, s.units.size()) ? r.defaultUnit : -1;
        if (r.spin) {
            s.spinMin = r.spinMin;
            s.spinMax = r.spinMax;
        }
        if (r.hasEdit()) s.editText = std::string(r.defaultText[model]);
        if (r.address) s.address = {0, 0, 0, 0};
    }
}

void RowPage::setAllChecked(bool checked) {
    for (int i = 0; i < size(); ++i)
        if (rows_[i].checkBox) states_[i].checked = checked;
}

std::string RowPage::englishWord(int descriptor, bool units, const std::string& shown) const {
    const ItemTexts& texts = ItemTextsRow(descriptor);
    const std::span<const ShortText> list = units ? texts.units : texts.values;
    // The shown language first, so that a word of another language never shadows it.
    for (const ShortText& t : list)
        if (t.text(region_) == shown) return std::string(t.text(Region::English));
    for (Region region : kAllRegions)
        for (const ShortText& t : list)
            if (t.text(region) == shown) return std::string(t.text(Region::English));
    return {};
}

bool RowPage::collect() {
    int count = 0;
    for (int i = 0; i < size(); ++i) {
        const SettingRow& r = rows_[i];
        const RowState& s = states_[i];
        SettingValue* v = slots_[i];
        if (v == nullptr || !s.enabled || !s.checked) continue;
        v->selected = 1;
        const bool translate = words_ == CollectWords::Translate && r.descriptor >= 0;
        if (r.hasValueList()) {
            const std::string shown = shownValue(i);
            const std::string word = shown.empty() ? shown
                                     : translate   ? englishWord(r.descriptor, false, shown)
                                                   : shown;
            // An item that matches no word leaves the slot as it was.
            if (!word.empty()) (r.valueToUnitText ? v->unitText : v->valueText) = word;
        }
        if (r.units == UnitList::Length) {
            const std::string shown = shownUnit(i);
            const std::string word =
                translate && !r.unitsFixed ? englishWord(r.descriptor, true, shown) : shown;
            if (!word.empty()) v->unitText = word;
        } else if (r.units == UnitList::Resolution && s.unitIndex >= 0) {
            v->unitIndex = s.unitIndex;
        }
        if (r.hasEdit()) v->valueText = s.editText;
        if (r.address) v->valueText = addressToSlotText(s.address);
        ++count;
    }
    return count > 0;
}

bool RowPage::validate() const {
    for (int i = 0; i < size(); ++i) {
        const SettingValue* v = slots_[i];
        if (v != nullptr && states_[i].enabled && v->selected == 1 && v->invalid == 1) return false;
    }
    return true;
}

bool RowPage::load() {
    bool ok = true;
    for (int i = 0; i < size(); ++i) {
        const SettingRow& r = rows_[i];
        RowState& s = states_[i];
        const SettingValue* v = slots_[i];
        if (v == nullptr || v->selected != 1) continue;
        s.checked = true;
        if (r.hasValueList())
            s.valueIndex = inRange(v->valueIndex, s.items.size()) ? v->valueIndex : -1;
        if (r.hasUnitList())
            s.unitIndex = inRange(v->unitIndex, s.units.size()) ? v->unitIndex : -1;
        if (r.hasEdit()) s.editText = v->valueText;
        if (r.address) s.address = addressFromDotted(v->valueText);
        if (v->invalid == 1) {
            s.editText.clear();
            ok = false;
        }
    }
    return ok;
}

void RowPage::checkAllHidden() {
    for (int i = 0; i < size(); ++i) {
        if (!rows_[i].checkBox) continue;
        states_[i].checkHidden = true;
        states_[i].checked = true;
    }
}

void RowPage::applyLanguage(Region region) {
    region_ = region;
    for (int i = 0; i < size(); ++i) {
        const SettingRow& r = rows_[i];
        RowState& s = states_[i];
        if (r.hasValueList() && r.values != ValueList::Fixed) {
            s.items = descriptorValues(r.descriptor, region_);
            s.valueIndex = -1;
        }
        if (r.hasUnitList() && !r.unitsFixed && r.descriptor >= 0) {
            s.units = descriptorUnits(r.descriptor, region_);
            s.unitIndex = -1;
        }
    }
}

void RowPage::setChecked(int i, bool checked) {
    if (rows_[i].checkBox) states_[i].checked = checked;
}

void RowPage::selectValue(int i, int index) {
    RowState& s = states_[i];
    s.valueIndex = inRange(index, s.items.size()) ? index : -1;
}

void RowPage::selectUnit(int i, int index) {
    RowState& s = states_[i];
    s.unitIndex = inRange(index, s.units.size()) ? index : -1;
}

void RowPage::typeEditText(int i, std::string_view text) {
    if (!rows_[i].hasEdit()) return;
    states_[i].editText = truncateToUtf16Units(text, rows_[i].editMax);
}

void RowPage::setAddress(int i, const std::array<int, 4>& address) {
    for (int k = 0; k < 4; ++k)
        states_[i].address[k] = address[k] < 0 ? 0 : address[k] > 255 ? 255 : address[k];
}

// A value the person chose or typed replaces the one a file or the printer gave: the row is no
// longer marked once it holds one. What is sent is checked again when it is collected.
void RowPage::valueEdited(int i) {
    const RowState& s = states_[i];
    const SettingRow& r = rows_[i];
    const bool holdsValue = (r.hasValueList() && s.valueIndex >= 0) ||
                            (r.hasEdit() && !s.editText.empty()) || r.address;
    if (holdsValue && slots_[i] != nullptr) slots_[i]->invalid = false;
}

void RowPage::setItems(int i, std::vector<std::string> items) {
    RowState& s = states_[i];
    s.items = std::move(items);
    if (!inRange(s.valueIndex, s.items.size())) s.valueIndex = -1;
}

std::string addressToSlotText(const std::array<int, 4>& address) {
    return std::to_string(address[0]) + "," + std::to_string(address[1]) + "," +
           std::to_string(address[2]) + "," + std::to_string(address[3]);
}

std::array<int, 4> addressFromDotted(std::string_view text) {
    std::array<int, 4> address{0, 0, 0, 0};
    std::size_t pos = 0;
    for (int k = 0; k < 4 && pos <= text.size(); ++k) {
        const std::size_t end = std::min(text.find('.', pos), text.size());
        int value = 0;
        const std::string_view part = text.substr(pos, end - pos);
        const auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        (void)p;
        if (ec == std::errc()) address[k] = value < 0 ? 0 : value > 255 ? 255 : value;
        pos = end + 1;
    }
    return address;
}

std::string truncateToUtf16Units(std::string_view text, int units) {
    std::size_t pos = 0;
    int used = 0;
    while (pos < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const int cost = length == 4 ? 2 : 1; // characters beyond the BMP take a surrogate pair
        if (used + cost > units || pos + length > text.size()) break;
        used += cost;
        pos += length;
    }
    return std::string(text.substr(0, pos));
}

} // namespace tessaline
