#pragma once

#include "cli/tool_context.h"

#include <optional>
#include <string>

namespace tessaline::cli {

// A file named on the command line: its bytes, or why it was not read (it cannot be opened, is
// not a regular file, or is larger than a configuration can be), naming it.
struct NamedFile {
    std::string bytes;
    ErrorDetail failure;
    bool ok() const { return failure.empty(); }
};
NamedFile readNamedFile(const std::string& path);

// A detail about a file named on the command line: FileUnreadable, FileNotRegular, FileTooLarge,
// NotConfiguration or FileUnwritable.
ErrorDetail FileDetail(DetailPhrase phrase, const std::string& path);

// Import: reads a configuration file onto the pages. A line the reader rejects as a whole is
// asked about first. 0, or the exit status (the code shown).
int importFile(ToolContext& tool, const std::string& path);

// Export: writes the prepared text (records().configText) with its command prefix to `path`.
// 0, or 22 with a detail that names OUT.
int exportFile(ToolContext& tool, const std::string& path);

} // namespace tessaline::cli
