#pragma once

#include "cli/tool_context.h"

#include <optional>
#include <string>

namespace tessaline::cli {

// The bytes of a file named on the command line; nullopt when it cannot be read.
std::optional<std::string> readNamedFile(const std::string& path);

// A detail about a file named on the command line: FileUnreadable, NotConfiguration or
// FileUnwritable.
ErrorDetail FileDetail(DetailPhrase phrase, const std::string& path);

// Import: reads a configuration file onto the pages. A line the reader rejects as a whole is
// asked about first. 0, or the exit status (the code shown).
int importFile(ToolContext& tool, const std::string& path);

// Export: writes the prepared text (records().configText) with its command prefix to `path`.
// 0, or 22 with a detail that names OUT.
int exportFile(ToolContext& tool, const std::string& path);

} // namespace tessaline::cli
