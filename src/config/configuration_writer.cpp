#include "config/configuration_writer.h"

#include "config/advanced_confirmed.h"
#include "config/printer_models.h"
#include "config/text_vocabulary.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tessaline {

namespace {

// Records written through a Standard entry; their Advanced entries repeat the key.
// Room for the longest text, so that it is built without moving.
constexpr std::size_t kTypicalTextBytes = 8192;

constexpr std::array<int, 5> kSharedRecords = {147, 156, 157, 162, 171};

// Appends the pieces of one line in one step.
void appendPieces(std::string& out, std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (auto piece : pieces)
        size += piece.size();
    const std::size_t at = out.size();
    out.resize(at + size);
    char* to = out.data() + at;
    for (auto piece : pieces)
        to = std::copy(piece.begin(), piece.end(), to);
}

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    appendPieces(out, {key, kSeparator, value, kLineEnd});
}

void writeEmulation(std::string& out, const SettingValue& value, int modelIndex) {
    if (value.valueText == "EPI2" && isValidModelIndex(modelIndex)) {
        appendLine(out, kMachineEmulationKey, "CODE_EPL");
    } else if (value.valueText == "ZPI2") {
        appendLine(out, kMachineEmulationKey, "CODE_ZEBRA");
    } else {
        appendLine(out, kMachineEmulationKey, "CODE_KALDORA");
        appendLine(out, "EMULATION SELECT", value.valueText);
    }
}

void writeEntry(std::string& out, const KeyEntry& entry, const SettingValue& value,
                int modelIndex) {
    switch (entry.record) {
    case kGlobalConfigRecord:
        appendLine(out, entry.key, value.valueText);
        out.append(kLoadMacroLine);
        return;
    case kEmulationSelectRecord:
        writeEmulation(out, value, modelIndex);
        return;
    case kDoubleHeatRecord:
        appendLine(out, "DOUBLE HEAT MENU", value.valueText);
        appendLine(out, kDoubleHeatKey, value.valueText);
        return;
    case kHeadCheckStartRecord:
    case kHeadCheckStopRecord:
        appendPieces(out,
                     {entry.key, kSeparator, entry.unitSuffix, "\t", value.valueText, kLineEnd});
        return;
    case kUsbSerialRecord:
        appendLine(out, entry.key, value.unitText);
        appendLine(out, kSerialNumberKey, value.valueText);
        return;
    default:
        appendPieces(out, {entry.key, kSeparator, value.valueText,
                           value.unitText.empty() ? std::string_view() : std::string_view("\t"),
                           value.unitText, entry.unitSuffix, kLineEnd});
    }
}

} // namespace

void WriteConfigurationText(ConfigurationRecordSet& set, bool advanced) {
    const int count = advanced ? kAdvancedEntryCount : kStandardEntryCount;
    std::string& out = set.configText;
    out.reserve(out.size() + kTypicalTextBytes);
    for (int i = 0; i < count; ++i) {
        const KeyEntry& entry = set.entry(i);
        if (i >= kStandardEntryCount && std::find(kSharedRecords.begin(), kSharedRecords.end(),
                                                  entry.record) != kSharedRecords.end())
            continue;
        const SettingValue& value = set.record(entry.record);
        if (value.selected != 1) continue;
        writeEntry(out, entry, value, set.modelIndex);
    }
    out.append(kEndLine).append(kLineEnd);
}

void WriteConfigurationText(ConfigurationRecordSet& set) {
    WriteConfigurationText(set, AdvancedConfirmed == 1);
}

} // namespace tessaline
