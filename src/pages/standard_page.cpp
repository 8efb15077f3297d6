#include "pages/standard_page.h"

#include "text/text_tables.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tessaline {

namespace sr = standard_row;

namespace {

// Fixed edit texts that replace a length when its unit is chosen (the value is not converted).
struct UnitTexts {
    int row;
    std::string_view inch;
    std::string_view mm;
};
constexpr UnitTexts kUnitTexts[] = {
    {6, "4.00", "101.6"},  {7, "0.00", "0.0"},    {8, "0.00", "0.0"},     {9, "0.00", "0.0"},
    {15, "1.00", "25.4"},  {18, "1.38", "35.0"},  {25, "10.00", "254.0"}, {45, "0.00", "0.0"},
    {101, "0.66", "16.8"}, {102, "0.66", "16.8"}, {104, "0.12", "3.0"},   {105, "1.85", "47.0"},
    {106, "0.98", "25.0"}, {107, "0.04", "1.0"},
};

// "Sensor Level" and "Paper End Level" by "Media Sensor" index (see through, reflect, none).
struct SensorLevels {
    std::string_view sensorLevel;
    std::string_view paperEndLevel;
};
constexpr SensorLevels kSensorLevels[] = {{"1.7", "2.80"}, {"1.5", "1.50"}, {"1.5", "1.20"}};

// Fastest "Print Speed" in inches per second by family (203 dpi, 300 dpi) and print preference
// ("Darkness", "Speed"); the list runs from 2 IPS in steps of 1.
constexpr int kFirstSpeed = 2;
constexpr int kFastestSpeed[2][2] = {{10, 12}, {8, 10}};

constexpr int kEltronDarknessMax = 15;

// ItemTexts rows of the page's own captions.
constexpr int kGroupCaptions = 140; // 140..145
constexpr int kGroupCaptionCount = 6;
constexpr int kRfidResultCaptions = 137; // 137..139
constexpr int kRfidResultCaptionCount = 3;

std::vector<std::string> speedItems(int family, int preference) {
    const int fastest = kFastestSpeed[std::clamp(family, 0, 1)][preference == 1 ? 1 : 0];
    std::vector<std::string> items;
    for (int ips = kFirstSpeed; ips <= fastest; ++ips)
        items.push_back(std::to_string(ips) + " IPS");
    return items;
}

bool isIpv6Row(int row) {
    return row == sr::kIpv6Address || row == sr::kIpv6Gateway;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One group of one to four hex digits.
bool parseGroup(std::string_view group, int& value) {
    if (group.empty() || group.size() > 4) return false;
    value = 0;
    for (char c : group) {
        const int digit = hexValue(c);
        if (digit < 0) return false;
        value = value * 16 + digit;
    }
    return true;
}

bool parseGroups(std::string_view text, std::vector<int>& groups) {
    if (text.empty()) return true;
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = std::min(text.find(':', pos), text.size());
        int value = 0;
        if (!parseGroup(text.substr(pos, end - pos), value)) return false;
        groups.push_back(value);
        if (end == text.size()) return true;
        pos = end + 1;
    }
}

} // namespace

std::optional<std::string> ipv6ToSlotText(std::string_view shown) {
    // Eight groups, or fewer around one "::" standing for the missing zero groups.
    std::vector<int> head;
    std::vector<int> tail;
    const std::size_t gap = shown.find("::");
    bool ok;
    if (gap == std::string_view::npos) {
        ok = parseGroups(shown, head) && head.size() == 8;
    } else {
        ok = shown.find("::", gap + 1) == std::string_view::npos &&
             parseGroups(shown.substr(0, gap), head) && parseGroups(shown.substr(gap + 2), tail) &&
             head.size() + tail.size() < 8;
    }
    if (!ok) return std::nullopt;
    std::vector<int> groups = head;
    groups.resize(8 - tail.size(), 0);
    groups.insert(groups.end(), tail.begin(), tail.end());
    std::string out;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        if (k > 0) out += ',';
        out += std::to_string(groups[k] >> 8) + "," + std::to_string(groups[k] & 0xFF);
    }
    return out;
}

std::string ipv6FromSlotText(std::string_view slotText) {
    int bytes[16] = {};
    std::size_t pos = 0;
    for (int k = 0; k < 16 && pos <= slotText.size(); ++k) {
        const std::size_t end = std::min(slotText.find(',', pos), slotText.size());
        const std::string_view part = slotText.substr(pos, end - pos);
        std::from_chars(part.data(), part.data() + part.size(), bytes[k]);
        pos = end + 1;
    }
    std::string out;
    char group[16];
    for (int k = 0; k < 8; ++k) {
        std::snprintf(group, sizeof group, "%02x%02x", bytes[2 * k] & 0xFF,
                      bytes[2 * k + 1] & 0xFF);
        if (k > 0) out += ':';
        out += group;
    }
    return out;
}

StandardPage::StandardPage(ConfigurationRecordSet& records)
    : rows_(
          standardRows(), [&records](int entry) { return &records.entryRecord(entry); },
          CollectWords::Translate) {}

void StandardPage::buildSpeedList(int model) {
    family_ = isValidModelIndex(model) ? model / 3 : 0;
    rows_.setItems(sr::kPrintSpeed, speedItems(family_, 0));
    rows_.selectValue(sr::kPrintSpeed, -1);
}

void StandardPage::restoreDefaults(int model) {
    if (!isValidModelIndex(model)) return;
    // The defaults select the "Darkness" preference, so the list is the family's "Darkness" list.
    buildSpeedList(model);
    rows_.restoreDefaults(model);
    if (emulationOf(model) == Emulation::Eltron)
        rows_.state(sr::kPrintDarkness).spinMax = kEltronDarknessMax;
}

void StandardPage::rebuildSpeedList(int preferenceIndex, int speedIndex) {
    std::vector<std::string> items = speedItems(family_, preferenceIndex);
    const int last = static_cast<int>(items.size()) - 1;
    rows_.setItems(sr::kPrintSpeed, std::move(items));
    rows_.selectValue(sr::kPrintSpeed, speedIndex < 0 ? -1 : std::min(speedIndex, last));
}

void StandardPage::applyMediaSensor(int mediaSensorIndex) {
    if (mediaSensorIndex < 0 || mediaSensorIndex >= static_cast<int>(std::size(kSensorLevels)))
        return;
    rows_.setEditText(sr::kSensorLevel, std::string(kSensorLevels[mediaSensorIndex].sensorLevel));
    rows_.setEditText(sr::kPaperEndLevel,
                      std::string(kSensorLevels[mediaSensorIndex].paperEndLevel));
}

void StandardPage::selectValue(int row, int index) {
    rows_.selectValue(row, index);
    if (row == sr::kPrintPreference)
        rebuildSpeedList(rows_.state(row).valueIndex, rows_.state(sr::kPrintSpeed).valueIndex);
    if (row == sr::kMediaSensor) applyMediaSensor(rows_.state(row).valueIndex);
}

void StandardPage::selectUnit(int row, int index) {
    rows_.selectUnit(row, index);
    const int unit = rows_.state(row).unitIndex;
    for (const UnitTexts& t : kUnitTexts)
        if (t.row == row && unit >= 0)
            rows_.setEditText(row, std::string(unit == 0 ? t.inch : t.mm));
}

void StandardPage::typeEditText(int row, std::string_view text) {
    if (row == sr::kPinCode || row == sr::kDeviceName) {
        std::string filtered(text);
        std::erase(filtered, ',');
        rows_.typeEditText(row, filtered);
        return;
    }
    rows_.typeEditText(row, text);
}

bool StandardPage::collect() {
    const bool any = rows_.collect();
    for (int row : {sr::kIpv6Address, sr::kIpv6Gateway}) {
        const RowState& s = rows_.state(row);
        if (!s.enabled || !s.checked) continue;
        SettingValue& v = *rows_.slot(row);
        // A text that is no IPv6 address is kept as typed and marked wrong, never sent as some
        // other address.
        const std::optional<std::string> bytes = ipv6ToSlotText(s.editText);
        v.valueText = bytes ? *bytes : s.editText;
        if (!bytes) v.invalid = 1;
    }
    const RowState& compatible = rows_.state(sr::kCompatibleMode);
    if (compatible.enabled && compatible.checked) {
        std::string& word = rows_.slot(sr::kCompatibleMode)->valueText;
        if (word == "TYPE1")
            word = "ON";
        else if (word == "TYPE3")
            word = "OFF";
    }
    return any;
}

bool StandardPage::load() {
    const SettingValue& preference = *rows_.slot(sr::kPrintPreference);
    const SettingValue& speed = *rows_.slot(sr::kPrintSpeed);
    const int preferenceIndex = preference.selected == 1
                                    ? preference.valueIndex
                                    : rows_.state(sr::kPrintPreference).valueIndex;
    const int speedIndex =
        speed.selected == 1 ? speed.valueIndex : rows_.state(sr::kPrintSpeed).valueIndex;
    const bool ok = rows_.load();
    rebuildSpeedList(preferenceIndex, speedIndex);
    return ok;
}

void StandardPage::showWrittenValues() {
    for (int i = 0; i < rows_.size(); ++i) {
        SettingValue* v = rows_.slot(i);
        if (v == nullptr || v->selected != 1) continue;
        rows_.state(i).checked = true;
        if (!rows_.row(i).hasEdit()) continue;
        // The slot holds sixteen decimal bytes unless the check already gave the shown form.
        if (isIpv6Row(i) && v->valueText.find(':') == std::string::npos)
            v->valueText = ipv6FromSlotText(v->valueText);
        rows_.setEditText(i, v->valueText);
    }
}

std::string StandardPage::groupCaption(int k) const {
    if (k < 0 || k >= kGroupCaptionCount) return {};
    return std::string(ItemTextsRow(kGroupCaptions + k).label(0, rows_.region()));
}

std::string StandardPage::rfidResultCaption(int k) const {
    if (k < 0 || k >= kRfidResultCaptionCount) return {};
    return std::string(ItemTextsRow(kRfidResultCaptions + k).label(0, rows_.region()));
}

PageTransfer StandardPage::transferOut() const {
    PageTransfer t;
    auto checked = [this](int row) { return rows_.state(row).checked; };
    if (checked(sr::kConfigSet)) {
        t.configSetPresent = 1;
        t.configSetIndex = rows_.state(sr::kConfigSet).valueIndex;
    }
    if (checked(sr::kMediaSensor) || checked(sr::kContinuousMediaLength)) {
        t.mediaPresent = 1;
        t.mediaKind = rows_.state(sr::kMediaSensor).valueIndex;
        t.paperLengthText = rows_.state(sr::kContinuousMediaLength).editText;
        t.paperLengthUnitIndex = rows_.state(sr::kContinuousMediaLength).unitIndex;
    }
    if (checked(sr::kPrintMethod)) {
        t.printMethodPresent = 1;
        t.printMethodIndex = rows_.state(sr::kPrintMethod).valueIndex;
    }
    if (checked(sr::kFunctionSelect)) {
        t.postPrintPresent = 1;
        t.postPrintIndex = rows_.state(sr::kFunctionSelect).valueIndex;
    }
    if (checked(sr::kVerticalPosition)) {
        t.startOffsetPresent = 1;
        t.startOffsetText = rows_.state(sr::kVerticalPosition).editText;
        t.startOffsetUnitIndex = rows_.state(sr::kVerticalPosition).unitIndex;
    }
    if (checked(sr::kPaperPosition)) {
        t.stopOffsetPresent = 1;
        t.stopOffsetText = rows_.state(sr::kPaperPosition).editText;
        t.stopOffsetUnitIndex = rows_.state(sr::kPaperPosition).unitIndex;
    }
    return t;
}

void StandardPage::transferIn(const PageTransfer& t) {
    auto setLength = [this](int row, const std::string& text, int unit) {
        rows_.setChecked(row, true);
        rows_.setEditText(row, text);
        rows_.selectUnit(row, unit);
    };
    if (t.configSetPresent == 1) {
        rows_.setChecked(sr::kConfigSet, true);
        rows_.selectValue(sr::kConfigSet, t.configSetIndex);
    }
    if (t.mediaPresent == 1) {
        rows_.setChecked(sr::kMediaSensor, true);
        selectValue(sr::kMediaSensor, t.mediaKind);
        if (t.mediaKind == 2)
            setLength(sr::kContinuousMediaLength, t.paperLengthText, t.paperLengthUnitIndex);
    }
    if (t.printMethodPresent == 1) {
        rows_.setChecked(sr::kPrintMethod, true);
        rows_.selectValue(sr::kPrintMethod, t.printMethodIndex);
    }
    if (t.postPrintPresent == 1) {
        rows_.setChecked(sr::kFunctionSelect, true);
        rows_.selectValue(sr::kFunctionSelect, t.postPrintIndex);
    }
    if (t.startOffsetPresent == 1)
        setLength(sr::kVerticalPosition, t.startOffsetText, t.startOffsetUnitIndex);
    if (t.stopOffsetPresent == 1)
        setLength(sr::kPaperPosition, t.stopOffsetText, t.stopOffsetUnitIndex);
}

EmulationKind StandardPage::emulationKind() const {
    const std::string text = emulationText();
    if (text.find('D') != std::string::npos) return EmulationKind::Native;
    if (text.find('Z') != std::string::npos) return EmulationKind::Zebra;
    return EmulationKind::Eltron;
}

} // namespace tessaline
