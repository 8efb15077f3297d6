#include "app/recent_configuration.h"

#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "transport/command_prefix.h"

namespace tessaline {

namespace {
constexpr mode_t kRecentFileMode = 0600;
} // namespace

std::string ConfigurationFileBytes(const std::string& configText) {
    return std::string(CommandPrefix) + toAnsi(configText);
}

bool WriteRecentConfiguration(const std::string& path, const ConfigurationRecordSet& set,
                              int* systemError) {
    return writeFileAtomically(path, ConfigurationFileBytes(set.configText), kRecentFileMode,
                               nullptr, FileModeRule::Exactly, nullptr, systemError);
}

bool ReadRecentConfiguration(const std::string& path, ConfigurationRecordSet& set) {
    std::string bytes;
    if (!readOwnFile(path, bytes, kSettingsReadLimit).ok()) return false;
    const RecognisedStream stream = recogniseConfigurationStream(joinFileLines(bytes), false);
    if (!stream.recognised) return false;
    set.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(set, ParseMode::Apply);
    return true;
}

} // namespace tessaline
