#include "config/configuration_reader.h"

#include "config/choice_table.h"
#include "config/conversion_table.h"
#include "config/line_reader.h"
#include "config/number_text.h"
#include "config/printer_models.h"
#include "config/text_vocabulary.h"
#include "config/value_conversion.h"
#include "config/word_map.h"
#include "platform/code_page.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tessaline {

namespace {

constexpr int kVerticalShiftDotsRecord = 10;
constexpr int kSkippedLinesWhenApplying = 2;

// The RFID calibration results, written straight into their records.
enum class RfidResult { Executed, PositionOffset, Power };

struct RfidResultRow {
    std::string_view key;
    RfidResult kind;
    int record;
};

constexpr RfidResultRow kRfidResultRows[] = {
    {"RFID CALIB EXECUTED", RfidResult::Executed, 42},
    {"RFID CALIB POSITION OFFSET", RfidResult::PositionOffset, 44},
    {"RFID CALIB POWER", RfidResult::Power, 45},
};

enum class Table { Choice, Conversion, RfidResults, Alias };

struct Target {
    Table table;
    int row;
};

using KeyLookup = WordMap<Target>;

// Every key of the four tables; a key belongs to the first table that has it.
const KeyLookup& keyLookup() {
    static const auto lookup = [] {
        const auto choices = choiceTable();
        const auto conversions = conversionTable();
        const auto aliases = aliasTable();
        KeyLookup map(choices.size() + conversions.size() + std::size(kRfidResultRows) +
                      aliases.size());
        for (int i = 0; i < static_cast<int>(choices.size()); ++i)
            map.insert(choices[i].key, Target{Table::Choice, i});
        for (int i = 0; i < static_cast<int>(conversions.size()); ++i)
            map.insert(conversions[i].key, Target{Table::Conversion, i});
        for (int i = 0; i < static_cast<int>(std::size(kRfidResultRows)); ++i)
            map.insert(kRfidResultRows[i].key, Target{Table::RfidResults, i});
        for (int i = 0; i < static_cast<int>(aliases.size()); ++i)
            map.insert(aliases[i].key, Target{Table::Alias, i});
        return map;
    }();
    return lookup;
}

const std::vector<int>& aliasConversionRows() {
    static const auto rows = [] {
        std::vector<int> result;
        for (const auto& alias : aliasTable())
            result.push_back(conversionRowOf(alias.currentKey));
        return result;
    }();
    return rows;
}

struct RowStatus {
    int found = 0;
    int bad = 0;
    int unitFlag = 0; // 1: MM or the 300 dpi range
};

struct ParseState {
    std::array<RowStatus, kChoiceRowCount> choice{};
    std::array<RowStatus, kConversionRowCount> conversion{};
    std::array<RowStatus, kAliasRowCount> alias{};
};

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalsUpper(std::string_view upperToken, std::string_view word) {
    if (upperToken.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (upperToken[i] != upperAscii(word[i])) return false;
    return true;
}

void offerChoice(int rowIndex, const ParsedLine& line, ConfigurationImage& image,
                 RowStatus& status) {
    const ChoiceRow& row = choiceTable()[rowIndex];
    status.found = 1;
    for (const auto& word : row.words) {
        if (equalsUpper(line.upper(1), word.word)) {
            image.choiceCodes[rowIndex] = word.code;
            return;
        }
    }
    status.bad = 1;
}

void offerConversion(int rowIndex, const ParsedLine& line, ConversionContext context,
                     ConfigurationImage& image, RowStatus& status) {
    status.found = 1;
    context.functionSelect = image.choiceCodes[functionSelectRow()];
    const auto result =
        convertValue(conversionTable()[rowIndex], line, context, image.fields[rowIndex]);
    if (!result.accepted) {
        status.bad = 1;
        return;
    }
    if (result.unitCode == kUnitMm || result.unitCode == kUnitDots300) status.unitFlag = 1;
    if (result.unitCode == kUnitInch || result.unitCode == kUnitDots203) status.unitFlag = 0;
}

void takeRfidResult(const RfidResultRow& row, const ParsedLine& line, ConfigurationRecordSet& set) {
    std::string text;
    switch (row.kind) {
    case RfidResult::Executed:
        text = line.upper(1);
        break;
    case RfidResult::PositionOffset:
        text = std::string(line.upper(1)).append(" ").append(line.upper(2));
        break;
    case RfidResult::Power:
        text = line.token(1);
        break;
    }
    set.record(row.record).valueText = fromAnsi(text);
}

void raiseInvalid(SettingValue& value, int bad) {
    if (value.invalid == 0) value.invalid = bad;
}

void transferChoice(int rowIndex, const RowStatus& status, bool apply,
                    ConfigurationRecordSet& set) {
    const ChoiceRow& row = choiceTable()[rowIndex];
    const int recordNumber = choiceRecord(rowIndex);
    if (recordNumber < 0) return;
    SettingValue& value = set.record(recordNumber);
    const int code = set.image.choiceCodes[rowIndex];
    if (row.position == ChoicePosition::MachineEmulation) {
        // Only a valid machine emulation word selects the emulation, and only when the text gave
        // no emulation word of its own.
        if (!apply || status.bad != 0 || value.selected == 1) return;
        if (code == 1 || code == 2) {
            value.selected = 1;
            value.valueIndex = code == 1 ? 1 : 0;
        }
        return;
    }
    int bad = status.bad;
    int position = bad ? 0 : choicePosition(row, code);
    if (position < 0) {
        bad = 1;
        position = 0;
    }
    raiseInvalid(value, bad);
    if (apply) {
        value.selected = 1;
        value.valueIndex = position;
    }
}

std::string ipv4Text(const std::array<std::uint8_t, 16>& bytes) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text.push_back('.');
        text.append(std::to_string(bytes[i]));
    }
    return text;
}

std::string ipv6Text(const std::array<std::uint8_t, 16>& bytes) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 16; ++i) {
        if (i > 0 && i % 2 == 0) text.push_back(':');
        text.push_back(kHex[bytes[i] >> 4]);
        text.push_back(kHex[bytes[i] & 15]);
    }
    return text;
}

void transferConversion(const ConversionRow& row, const ImageField& field, const RowStatus& status,
                        bool apply, ConfigurationRecordSet& set) {
    Display display = row.display;
    int recordNumber = row.record;
    if (row.rule == ConversionRule::VerticalImageShift && !verticalShiftIsLength(set.modelIndex)) {
        display = Display::Integer;
        recordNumber = kVerticalShiftDotsRecord;
    }
    if (!isValidModelIndex(set.modelIndex) && row.recordOutsideModels >= 0)
        recordNumber = row.recordOutsideModels;
    if (display == Display::None || recordNumber < 0) return;
    SettingValue& value = set.record(recordNumber);
    raiseInvalid(value, status.bad);
    if (status.bad != 0 && !apply) return; // a rejected value keeps its text
    static const ImageField kEmpty;
    const ImageField& shown = status.bad != 0 ? kEmpty : field;
    switch (display) {
    case Display::Integer:
        value.valueText = std::to_string(shown.number);
        break;
    case Display::Tenths:
        value.valueText = formatScaled(shown.number, 1);
        break;
    case Display::Thousandths: // millivolts, always whole hundredths of a volt
        value.valueText = formatScaled(shown.number / 10, 2);
        break;
    case Display::Length:
        value.valueText = formatScaled(shown.number, status.unitFlag == 1 ? 1 : 2);
        value.unitIndex = status.unitFlag;
        break;
    case Display::Dots:
        value.valueText = std::to_string(shown.number);
        if (apply) value.unitIndex = status.unitFlag;
        break;
    case Display::Address:
        if (apply)
            value.valueText = row.rule == ConversionRule::Ipv6 ? ipv6Text(shown.address)
                                                               : ipv4Text(shown.address);
        break;
    case Display::Index:
        value.valueIndex = shown.number;
        break;
    case Display::Text:
        if (apply) value.valueText = fromAnsi(shown.text);
        break;
    case Display::None:
        break;
    }
    if (apply) value.selected = 1;
}

void transfer(const ParseState& state, bool apply, ConfigurationRecordSet& set) {
    for (int i = 0; i < kChoiceRowCount; ++i)
        if (state.choice[i].found) transferChoice(i, state.choice[i], apply, set);
    const auto conversions = conversionTable();
    for (int i = 0; i < kConversionRowCount; ++i)
        if (state.conversion[i].found)
            transferConversion(conversions[i], set.image.fields[i], state.conversion[i], apply,
                               set);
    const auto& aliasRows = aliasConversionRows();
    for (int i = 0; i < kAliasRowCount; ++i) {
        if (!state.alias[i].found) continue;
        const int row = aliasRows[i];
        transferConversion(conversions[row], set.image.fields[row], state.alias[i], apply, set);
    }
}

} // namespace

void ParseConfigurationText(ConfigurationRecordSet& set, ParseMode mode) {
    const bool applying = mode == ParseMode::Apply;
    const auto& lookup = keyLookup();
    const auto& aliasRows = aliasConversionRows();
    ParseState state;
    ConversionContext context;
    context.modelIndex = set.modelIndex;
    for (int i = 0; i < 3; ++i)
        context.headCheckFlags[i] = 1;
    if (!applying) {
        context.headCheckFlags = {set.record(kHeadCheckStartRecord).unitIndex,
                                  set.record(kHeadCheckStopRecord).unitIndex,
                                  set.record(kHeadCheckWidthRecord).unitIndex};
    }

    // The work copy in the code page; a text in plain ASCII is read where it stands.
    std::string converted;
    std::string_view work = set.configText;
    if (!isAscii(work)) work = converted = toAnsi(work);
    LineReader reader(work);
    Line line;
    ParsedLine tokens;
    if (applying)
        for (int i = 0; i < kSkippedLinesWhenApplying; ++i)
            reader.read(line);

    set.image.choiceCodes[functionSelectRow()] = kFunctionSelectNotGiven;
    while (reader.read(line) != 0) {
        const std::string_view text = line.text;
        if (text == kEndLine || text == kExitLine) break;
        if (tokens.tokenize(text) == 0) break;
        const Target* found = lookup.find(tokens.upper(0));
        if (found == nullptr) continue; // unknown keys are ignored
        const int row = found->row;
        switch (found->table) {
        case Table::Choice:
            offerChoice(row, tokens, set.image, state.choice[row]);
            break;
        case Table::Conversion:
            offerConversion(row, tokens, context, set.image, state.conversion[row]);
            break;
        case Table::RfidResults:
            takeRfidResult(kRfidResultRows[row], tokens, set);
            break;
        case Table::Alias:
            offerConversion(aliasRows[row], tokens, context, set.image, state.alias[row]);
            break;
        }
    }
    transfer(state, applying, set);
}

} // namespace tessaline
