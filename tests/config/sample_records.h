#pragma once

// Records filled as the pages fill them: a valid value in its normal form for every setting
// that the model offers (value words for choices). Shared by the round-trip test and the
// preparation-cycle benchmark.
#include "config/choice_table.h"
#include "config/configuration_record_set.h"
#include "config/conversion_table.h"
#include "config/number_text.h"
#include "config/printer_models.h"
#include "config/text_vocabulary.h"

#include <map>
#include <string>

namespace tessaline::samples {

// Entries that no model of the list offers (the first of each repeated sensor key).
inline bool offered(int entry, int model) {
    for (int unavailable : {118, 119, 129, 130, 138, 139, 140})
        if (entry == unavailable) return false;
    if (entry == 9) return emulationOf(model) == Emulation::None;
    if (entry == 10) return emulationOf(model) != Emulation::None;
    return true;
}

struct Expected {
    std::string valueText; // after an apply-mode parse (empty: not compared)
    int valueIndex = -1;   // -1: not compared
    int unitIndex = -1;
};

inline std::string textOfLength(int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
        text.push_back("Ab3-"[i % 4]);
    return text;
}

// A valid value in its normal form for a conversion row, and what an apply-mode parse shows.
inline Expected fillConversion(const ConversionRow& row, int model, SettingValue& value) {
    const bool mm = model % 2 == 1;
    const bool wide = baseModelOf(model) == BaseModel::Rv943;
    switch (row.rule) {
    case ConversionRule::Whole:
        value.valueText = std::to_string(model % 2 ? row.min : row.max);
        return {value.valueText};
    case ConversionRule::Decimal:
    case ConversionRule::Volts:
        value.valueText = formatScaled(model % 2 ? row.min : row.max, row.decimals);
        return {value.valueText};
    case ConversionRule::Length:
    case ConversionRule::VerticalImageShift:
        if (row.rule == ConversionRule::VerticalImageShift &&
            emulationOf(model) != Emulation::None) {
            value.valueText = model % 2 ? "-120" : "120";
            return {value.valueText};
        }
        value.unitText = mm ? "MM" : "INCH";
        value.valueText = mm ? formatScaled(row.max, 1) : formatScaled(row.minInch, 2);
        value.unitIndex = mm ? 1 : 0;
        return {value.valueText, -1, value.unitIndex};
    case ConversionRule::PaperPosition:
        value.unitText = mm ? "MM" : "INCH";
        value.valueText = mm ? "0.0" : "0.00";
        value.unitIndex = mm ? 1 : 0;
        return {value.valueText, -1, value.unitIndex};
    case ConversionRule::HeadCheckPosition:
    case ConversionRule::HeadCheckWidth:
        value.unitIndex = wide ? 1 : 0;
        value.valueText = std::to_string(wide ? row.maxInch : row.max);
        return {value.valueText, -1, value.unitIndex};
    case ConversionRule::Ipv4:
        value.valueText = "192,168,10,255";
        return {"192.168.10.255"};
    case ConversionRule::Ipv6:
        value.valueText = "254,128,0,0,0,0,0,0,0,0,0,0,0,0,171,1";
        return {"fe80:0000:0000:0000:0000:0000:0000:ab01"};
    case ConversionRule::Text:
        value.valueText = textOfLength(row.max);
        return {value.valueText};
    case ConversionRule::KeyboardLock:
        value.valueText = "ON";
        return {{}, 1};
    case ConversionRule::SymbolSet:
        value.valueText = "u1";
        return {{}, 55};
    case ConversionRule::RfidPower:
        value.valueText = "10000";
        return {value.valueText};
    case ConversionRule::HeadCleanMessage:
        value.valueText = "9999999";
        return {value.valueText};
    case ConversionRule::PrintDarkness:
        value.valueText = emulationOf(model) == Emulation::Eltron ? "15" : "30";
        return {value.valueText};
    }
    return {};
}

inline const ChoiceRow* choiceRowOf(std::string_view key) {
    for (const auto& row : choiceTable())
        if (row.key == key) return &row;
    return nullptr;
}

// A valid choice word, varied by model, and its list position.
inline Expected fillChoice(const ChoiceRow& row, int model, SettingValue& value) {
    std::size_t word = static_cast<std::size_t>(model) % row.words.size();
    if (row.position == ChoicePosition::QuickRejected && row.words[word].code == 0) ++word;
    value.valueText = row.words[word].word;
    return {{}, choicePosition(row, row.words[word].code)};
}

inline std::map<int, Expected> fill(ConfigurationRecordSet& set, int model) {
    std::map<int, Expected> expected;
    for (int entry = 0; entry < kAdvancedEntryCount; ++entry) {
        if (!offered(entry, model)) continue;
        const KeyEntry& key = set.entry(entry);
        SettingValue& value = set.record(key.record);
        if (value.selected == 1) continue; // a record shared by two entries
        value.selected = 1;
        if (key.record == kEmulationSelectRecord) {
            static const char* const kWords[] = {"DMI", "ZPI2", "EPI2"};
            static const int kPositions[] = {3, 1, 0};
            value.valueText = kWords[model % 3];
            expected[key.record] = {{}, kPositions[model % 3]};
        } else if (key.record == kUsbSerialRecord) {
            value.unitText = "ON";
            value.valueText = "SN-0042";
            expected[key.record] = {"SN-0042", 1};
        } else if (key.record == kDoubleHeatRecord) {
            expected[key.record] = fillChoice(*choiceRowOf(kDoubleHeatKey), model, value);
        } else if (const ChoiceRow* choice = choiceRowOf(key.key)) {
            expected[key.record] = fillChoice(*choice, model, value);
        } else {
            const int row = conversionRowOf(key.key);
            if (row < 0) continue;
            expected[key.record] = fillConversion(conversionTable()[row], model, value);
        }
    }
    return expected;
}

} // namespace tessaline::samples
