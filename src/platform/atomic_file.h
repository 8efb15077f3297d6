#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace tessaline {

// The mode a file written by writeFileAtomically gets.
enum class FileModeRule {
    Exactly,      // the mode given, for files of the program's own (settings, last configuration)
    AsUserWishes, // an existing file keeps its mode; a new one gets the mode given less the umask
};

// Where writeFileAtomically failed: the file could not be made at all, or not filled.
enum class WriteFailure { None, CannotCreate, CannotWrite };

// Replaces `path` with `bytes` so that a reader sees either the old file or the whole new one:
// the bytes go to a temporary file beside it, are flushed to disk, and the temporary file is
// renamed over the old one. Returns false (with `error`, and the system's error number in
// `systemError`) and leaves the old file untouched on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, mode_t mode,
                         std::string* error = nullptr, FileModeRule rule = FileModeRule::Exactly,
                         WriteFailure* failure = nullptr, int* systemError = nullptr);

// The largest file the program reads whole: a configuration is a few kilobytes.
inline constexpr size_t kReadLimit = size_t{16} << 20;

// The largest settings file or last configuration read.
inline constexpr size_t kSettingsReadLimit = size_t{1} << 20;

enum class ReadFailure {
    None,
    CannotOpen,      // missing, or not readable (see the system's error)
    NotARegularFile, // a folder, a pipe or a device: never read whole, never waited on
    TooLarge,        // more than the limit
    ReadFailed,
};

// Reads a whole regular file of at most `limit` bytes. Returns false when it cannot; `why` then
// says why. A named pipe never blocks the reader.
bool readWholeFile(const std::string& path, std::string& bytes, size_t limit = kReadLimit,
                   ReadFailure* why = nullptr);

// What readOwnFile found besides the bytes.
struct OwnFileRead {
    ReadFailure failure = ReadFailure::None;
    bool missing = false;    // CannotOpen: nothing of that name
    bool folder = false;     // NotARegularFile: a folder
    bool otherOwner = false; // a regular file of another user: not read, no bytes
    int systemError = 0;     // CannotOpen, ReadFailed: the system's error number
    bool ok() const { return failure == ReadFailure::None && !otherOwner; }
};

// Reads a whole regular file like readWholeFile, but only one that belongs to the user running
// the program (the settings a file of another user holds are never trusted).
OwnFileRead readOwnFile(const std::string& path, std::string& bytes, size_t limit);

// Moves `path` (whatever it is: a file, a pipe, a link) to `to`, replacing what stands there.
// False with the system's error number when it could not.
bool moveAside(const std::string& path, const std::string& to, int* systemError);

bool fileExists(const std::string& path);

// Makes the folder `path` unless something of that name stands there already; `created` says
// whether this call made it. False when it could not be made.
bool makeFolder(const std::string& path, bool* created);
// Removes the folder `path` if it is empty (a folder made for a file that was not written).
void removeEmptyFolder(const std::string& path);

} // namespace tessaline
