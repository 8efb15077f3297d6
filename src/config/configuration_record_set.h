#pragma once

#include "config/configuration_image.h"
#include "config/key_table.h"
#include "config/setting_value.h"

#include <array>
#include <string>

namespace tessaline {

// All setting values of one printer, the configuration text that travels to and from the printer,
// the selected model and the reader's configuration image.
class ConfigurationRecordSet {
public:
    std::string configText;     // built by the writer, received, or read from a file
    std::string requestText;    // scratch: a request being built
    std::string emulationReply; // scratch: the reply that QueryMachineEmulation reads
    std::string printTestText;  // scratch: a text of the Print Test page
    std::string badLineNumber;  // first line rejected as a whole by a parse (decimal), or empty
    std::string badLineText;
    int modelIndex = 0; // 0..5, the position in the model list

    SettingValue& record(int n) { return records_.at(n); }
    const SettingValue& record(int n) const { return records_.at(n); }
    const KeyEntry& entry(int n) const { return keyTable()[n]; }
    SettingValue& entryRecord(int n) { return records_.at(entry(n).record); }
    const SettingValue& entryRecord(int n) const { return records_.at(entry(n).record); }

    ConfigurationImage image; // kept between parses

private:
    std::array<SettingValue, kRecordCount> records_{};
};

// Empties the configuration text and every value record but the unused one: not selected, empty
// texts, not invalid. List and unit positions keep their values.
void ClearConfiguration(ConfigurationRecordSet& set);

} // namespace tessaline
