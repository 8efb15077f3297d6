#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessaline {

inline constexpr int kMaxLineBytes = 99;
inline constexpr int kMaxTokens = 17;

// One line as the reader sees it: at most 99 bytes, read as a zero-terminated text.
struct Line {
    std::array<char, kMaxLineBytes + 1> bytes{};
    int copied = 0; // bytes taken from the text; 0 for an empty line

    // The text up to its first zero byte.
    std::string_view text() const { return std::string_view(bytes.data()); }
};

// Reads lines from code-page bytes. A line ends at CR (an LF right after it belongs to it), at LF,
// or after 99 bytes. Past the end of the text the reader sees zero bytes.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    // Returns the number of bytes copied into `line`; 0 means an empty line.
    int read(Line& line);
    int lineCount() const { return lineCount_; }
    bool pastEnd() const { return position_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int lineCount_ = 0;
};

// The tokens of a line: split at runs of "," ":" TAB CR LF, up to a token that starts with ";",
// at most 17. Token 0 is the key. Holds views into its own buffers; not copyable.
class ParsedLine {
public:
    ParsedLine() = default;
    ParsedLine(const ParsedLine&) = delete;
    ParsedLine& operator=(const ParsedLine&) = delete;

    // Tokenises `text` (at most 99 bytes) and returns the token count.
    int tokenize(std::string_view text);

    int count() const { return count_; }
    // Token i as written and upper-cased (ASCII letters only); empty beyond the count.
    std::string_view token(int i) const { return i < count_ ? written_[i] : std::string_view(); }
    std::string_view upper(int i) const { return i < count_ ? upper_[i] : std::string_view(); }

private:
    std::array<char, kMaxLineBytes + 1> writtenText_{};
    std::array<char, kMaxLineBytes + 1> upperText_{};
    std::array<std::string_view, kMaxTokens> written_{};
    std::array<std::string_view, kMaxTokens> upper_{};
    int count_ = 0;
};

// The text given, cut at its first zero byte, followed by LF "END" CR LF so that a scan for the
// end line always stops.
std::string withEndLine(std::string_view bytes);

} // namespace tessaline
