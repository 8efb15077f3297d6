#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// An INI file in memory: [section] lines and key=value lines. Keys and sections compare without
// regard to ASCII case; a missing key is told apart from an empty value. Lines it does not
// understand (comments, blank lines) are kept as they are, so a rewrite changes only what was set.
class ProfileFile {
public:
    // Converts bytes of an unrecognised encoding (neither UTF-16LE with its mark nor UTF-8) to
    // UTF-8.
    using LegacyDecoder = std::function<std::string(std::string_view)>;

    ProfileFile() = default;

    // Reads UTF-16LE with a byte-order mark, UTF-8 (with or without a mark), or, failing both,
    // bytes in the legacy encoding through `legacy`. Bytes holding a zero byte are UTF-16LE that
    // lost its mark. A UTF-16LE line that lost a byte is read from both of its ends, so only the
    // character at the loss is damaged and the next lines read as they were.
    static ProfileFile fromBytes(std::string_view bytes, const LegacyDecoder& legacy);
    static ProfileFile fromText(std::string_view utf8);

    std::optional<std::string> getString(std::string_view section, std::string_view key) const;
    // The value read as a decimal integer (optional sign, leading digits); `fallback` when the key
    // is missing or does not start with a number.
    int getInt(std::string_view section, std::string_view key, int fallback) const;

    // Sets a key, replacing its value in place or adding it at the end of its section (the
    // section is added at the end of the file when missing).
    void setString(std::string_view section, std::string_view key, std::string_view value);

    // Lines that could not be decoded as they stood: a lost byte, a lone surrogate, a control
    // character. They are kept as far as they were read.
    size_t damagedLines() const { return damagedLines_; }
    size_t lineCount() const { return lines_.size(); }

    bool hasSection(std::string_view section) const;
    void addSection(std::string_view section);

    // The whole file as UTF-8 text, lines ending in CR LF.
    std::string text() const;
    // The whole file as UTF-16LE with a byte-order mark.
    std::string utf16LeBytes() const;

private:
    struct Line {
        std::string raw;     // the line as it stands in the file
        std::string section; // for section lines: the name; else empty
        std::string key;     // for key lines: the key, trimmed
        std::string value;   // for key lines: the value, trimmed and unquoted
        bool isSection = false;
        bool isKey = false;
    };

    struct DecodedLine {
        std::string text; // UTF-8, without its line end
        bool damaged = false;
    };
    static std::vector<DecodedLine> utf16Lines(std::string_view bytes);
    static std::vector<DecodedLine> textLines(std::string_view utf8);
    static ProfileFile fromLines(const std::vector<DecodedLine>& lines);
    static Line parseLine(std::string_view raw);
    // Index range [first, end) of the lines of `section` after its header; nullopt if missing.
    std::optional<std::pair<size_t, size_t>> sectionRange(std::string_view section) const;

    std::vector<Line> lines_;
    size_t damagedLines_ = 0;
};

} // namespace tessaline
