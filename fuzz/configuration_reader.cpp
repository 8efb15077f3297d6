// Feeds arbitrary text to the configuration reader in both modes, then writes and checks the
// records it left, as the preparation cycle does.
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    using namespace tessaline;
    static ConfigurationRecordSet set; // the image is kept between parses, as in the program
    ClearConfiguration(set);
    set.modelIndex = data[0] % 7; // 6: a model index outside the list
    const ParseMode mode = (data[0] & 0x80) != 0 ? ParseMode::Apply : ParseMode::Check;
    set.record(153).unitIndex = data[1] & 1;
    set.record(154).unitIndex = (data[1] >> 1) & 1;
    set.record(168).unitIndex = (data[1] >> 2) & 1;
    set.configText.assign(reinterpret_cast<const char*>(data + 2), size - 2);
    ParseConfigurationText(set, mode);

    // The records left are written and checked as the preparation cycle does; checking the
    // normalised text again must not change it.
    set.configText.clear();
    WriteConfigurationText(set, true);
    ParseConfigurationText(set, ParseMode::Check);
    set.configText.clear();
    WriteConfigurationText(set, true);
    const std::string second = set.configText;
    ParseConfigurationText(set, ParseMode::Check);
    set.configText.clear();
    WriteConfigurationText(set, true);
    if (set.configText != second) std::abort();
    return 0;
}
