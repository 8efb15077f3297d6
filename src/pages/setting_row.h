#pragma once

#include "config/printer_models.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessaline {

// Models a row is enabled for: bit m stands for model index m (0 RV-940 ... 5 RV-943E).
using ModelMask = std::uint8_t;
inline constexpr ModelMask kAllModels = 0x3F;
inline constexpr ModelMask kNoModel = 0x00;
inline constexpr ModelMask kNativeModels = 0x09;    // RV-940, RV-943
inline constexpr ModelMask kEmulationModels = 0x36; // the Z and E models of both families

constexpr bool modelInMask(ModelMask mask, int model) {
    return model >= 0 && model < kModelCount && ((mask >> model) & 1) != 0;
}

// Where the value list of a row comes from.
enum class ValueList : std::uint8_t {
    None,       // no value combo
    Descriptor, // the value list of the row's ItemTexts descriptor, in the UI language
    Fixed,      // the English list held by the row (never translated)
    PrintSpeed, // built by the page from the model family and the print preference
    Radio,      // a radio-button group bound to the descriptor's value list (Easy media type)
};

// What the unit combo of a row holds.
enum class UnitList : std::uint8_t {
    None,
    Length,     // "INCH" / "MM": stored as its word in the slot's unit text
    Resolution, // "203dpi" / "300dpi": stored as its index in the slot's unit index
};

// One page row: the controls that edit one setting, the slot they are bound to, and the
// per-model defaults and availability. Rows are constant data; the page keeps the live state.
struct SettingRow {
    std::string_view label; // English caption of the row's check box
    int entry = -1;         // key-table entry whose record is the row's slot; -1 none
    int descriptor = -1;    // ItemTexts descriptor of the label and lists; -1 none
    ValueList values = ValueList::None;
    std::span<const std::string_view> fixedValues{}; // with ValueList::Fixed
    bool valueToUnitText = false; // the value combo's word goes to the slot's unit text
    UnitList units = UnitList::None;
    bool unitsFixed = false; // unit words are English whatever the UI language
    int editMax = 0;         // length limit of the edit in UTF-16 units; 0 = no edit
    bool spin = false;
    std::int32_t spinMin = 0;
    std::int32_t spinMax = 0;
    bool address = false; // IPv4 address control
    bool checkBox = true;
    int defaultUnit = 0;
    std::array<int, kModelCount> defaultValue{-1, -1, -1, -1, -1, -1};
    std::array<std::string_view, kModelCount> defaultText{};
    ModelMask available = kAllModels;
    bool hidden = false;       // not shown by the page's layout
    bool onlyJapanese = false; // disabled unless the UI language is Japanese
    bool notJapanese = false;  // disabled while the UI language is Japanese

    constexpr bool hasEdit() const { return editMax > 0; }
    constexpr bool hasValueList() const { return values != ValueList::None; }
    constexpr bool hasUnitList() const { return units != UnitList::None; }
};

// The same default for all six models.
constexpr std::array<int, kModelCount> sameIndex(int index) {
    return {index, index, index, index, index, index};
}
constexpr std::array<std::string_view, kModelCount> sameText(std::string_view text) {
    return {text, text, text, text, text, text};
}

// The row tables of the pages, in row order.
std::span<const SettingRow> standardRows(); // 118 rows
std::span<const SettingRow> advancedRows(); // 58 rows
std::span<const SettingRow> easyRows();     // 6 rows

} // namespace tessaline
