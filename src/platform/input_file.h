#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace tessaline {

// A file read from start to end in blocks, such as a print file sent to the printer unchanged.
class InputFile {
public:
    // Opens `path` for reading; null when it cannot be opened (`error` gets the system's number).
    static std::unique_ptr<InputFile> Open(const std::string& path, int* error = nullptr);
    virtual ~InputFile() = default;

    // Fills `block` with the next bytes: how many came (0 at the end of the file), or -1 when the
    // read failed (`error` gets the system's number).
    virtual long Read(std::span<char> block, int* error = nullptr) = 0;
    // The file's size in bytes, when the system knows it.
    virtual std::optional<uint64_t> Size() const = 0;
};

} // namespace tessaline
