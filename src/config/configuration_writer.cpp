#include "config/configuration_writer.h"

#include "config/advanced_confirmed.h"
#include "config/printer_models.h"
#include "config/text_vocabulary.h"

#include <algorithm>
#include <array>

namespace tessaline {

namespace {

// Records written through a Standard entry; their Advanced entries repeat the key.
constexpr std::array<int, 5> kSharedRecords = {147, 156, 157, 162, 171};

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append(kSeparator).append(value).append(kLineEnd);
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
        out.append(entry.key).append(kSeparator).append(entry.unitSuffix).append("\t");
        out.append(value.valueText).append(kLineEnd);
        return;
    case kUsbSerialRecord:
        appendLine(out, entry.key, value.unitText);
        appendLine(out, kSerialNumberKey, value.valueText);
        return;
    default:
        out.append(entry.key).append(kSeparator).append(value.valueText);
        if (!value.unitText.empty()) out.append("\t").append(value.unitText);
        out.append(entry.unitSuffix).append(kLineEnd);
    }
}

} // namespace

void WriteConfigurationText(ConfigurationRecordSet& set, bool advanced) {
    const int count = advanced ? kAdvancedEntryCount : kStandardEntryCount;
    std::string& out = set.configText;
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
