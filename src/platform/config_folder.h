#pragma once

#include <string>

namespace tessaline {

// The folder of "Tessaline.ini" and "Recent.dat": the program's own folder when a "Tessaline.ini"
// already stands there (a portable installation), else $XDG_CONFIG_HOME/tessaline (by default
// ~/.config/tessaline), created when missing.
std::string ConfigFolder(const std::string& programFolder);

// The folder of the running executable.
std::string ProgramFolder();

} // namespace tessaline
