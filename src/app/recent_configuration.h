#pragma once

#include "config/configuration_record_set.h"

#include <string>
#include <string_view>

namespace tessaline {

inline constexpr std::string_view kRecentFileName = "Recent.dat";

// The bytes of a stored or exported configuration: the command prefix and the configuration
// text in the code page, whole however long it is.
std::string ConfigurationFileBytes(const std::string& configText);

// Replaces the file with the command prefix and `set.configText`, atomically and readable only by
// the user (the text can hold network passwords). False when it cannot be written; the old file
// then stays as it was, and `systemError` gets the system's error number.
bool WriteRecentConfiguration(const std::string& path, const ConfigurationRecordSet& set,
                              int* systemError = nullptr);

// Reads a stored configuration into the record set in apply mode. False, with the record set
// untouched, when the file is missing, unreadable, not a regular file, larger than
// kSettingsReadLimit, another user's, or does not start with a recognised prefix.
bool ReadRecentConfiguration(const std::string& path, ConfigurationRecordSet& set);

} // namespace tessaline
