#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace tessaline {

// Replaces `path` with `bytes` so that a reader sees either the old file or the whole new one:
// the bytes go to a temporary file beside it, are flushed to disk, and the temporary file is
// renamed over the old one. The file gets `mode`. Returns false (with `error`) and leaves the old
// file untouched on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, mode_t mode,
                         std::string* error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

bool fileExists(const std::string& path);

} // namespace tessaline
