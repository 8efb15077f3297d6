#pragma once

#include "app/settings_file.h"
#include "text/region.h"

#include <string>

namespace tessaline {

// The person's texts about settings that could not be saved or read, in the region's language.
// `file` is the path of the file (or the settings folder) they are about.

// The cause alone: one of the program's own texts, or the system's text for its error number.
std::string SettingsCauseText(const SettingsProblem& problem, Region region);

// The question at exit: the file could not be saved, exit anyway?
std::string SettingsNotSavedText(const std::string& file, const SettingsProblem& problem,
                                 Region region);
// After a save that kept the old file as SetAsidePath(file).
std::string SettingsKeptAsideText(const std::string& file, const SettingsProblem& problem,
                                  Region region);
// At start: the file could not be read, the defaults are used.
std::string SettingsUnreadableText(const std::string& file, const SettingsProblem& problem,
                                   Region region);

} // namespace tessaline
