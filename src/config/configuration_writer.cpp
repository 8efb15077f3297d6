#include "config/configuration_writer.h"

#include "config/printer_models.h"
#include "config/text_vocabulary.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tessaline {

namespace {

// Room for the longest text, so that it is built without moving.
constexpr std::size_t kTypicalTextBytes = 8192;

// Records written through a Standard entry; their Advanced entries repeat the key.
constexpr std::array<int, 5> kSharedRecords = {147, 156, 157, 162, 171};

// What stands before and after the value on the default line of each entry: the key with the
// separator, and the unit suffix with the line end. Built once from the key table.
struct LineFrame {
    std::string head;
    std::string tail;
};

const std::array<LineFrame, kKeyEntryCount>& lineFrames() {
    static const auto frames = [] {
        std::array<LineFrame, kKeyEntryCount> result;
        for (int i = 0; i < kKeyEntryCount; ++i) {
            const KeyEntry& entry = keyTable()[i];
            result[i].head = std::string(entry.key).append(kSeparator);
            result[i].tail = std::string(entry.unitSuffix).append(kLineEnd);
        }
        return result;
    }();
    return frames;
}

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

void writeEntry(std::string& out, int index, const SettingValue& value, int modelIndex) {
    const KeyEntry& entry = keyTable()[index];
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
        const LineFrame& frame = lineFrames()[index];
        if (value.unitText.empty()) {
            appendPieces(out, {frame.head, value.valueText, frame.tail});
        } else {
            appendPieces(out, {frame.head, value.valueText, "\t", value.unitText, frame.tail});
        }
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
        writeEntry(out, i, value, set.modelIndex);
    }
    out.append(kEndLine).append(kLineEnd);
}

} // namespace tessaline
