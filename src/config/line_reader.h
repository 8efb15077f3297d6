#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessaline {

inline constexpr int kMaxLineBytes = 99;
inline constexpr int kMaxTokens = 17;

// One line as the reader sees it: at most 99 bytes.
struct Line {
    std::string_view text; // a view into the reader's bytes
    int copied = 0;        // bytes taken from the text, 0 for an empty line; past the end of
                           // the text the reader counts 99 zero bytes, which read as empty text
};

// Reads lines from code-page bytes, which end at their first zero byte. A line ends at CR (an LF
// right after it belongs to it), at LF, or after 99 bytes.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

    // Returns the number of bytes taken for `line`; 0 means an empty line.
    int read(Line& line);
    int lineCount() const { return lineCount_; }
    bool pastEnd() const { return position_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int lineCount_ = 0;
};

// The tokens of a line: split at runs of "," ":" TAB CR LF, up to a token that starts with ";",
// at most 17. Token 0 is the key. The tokens as written are views into the tokenised text, which
// must outlive them; the upper-cased ones live here. Not copyable.
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
    std::array<char, kMaxLineBytes + 1> upperText_{};
    std::array<std::string_view, kMaxTokens> written_{};
    std::array<std::string_view, kMaxTokens> upper_{};
    int count_ = 0;
};

// The text given, cut at its first zero byte, followed by LF "END" CR LF so that a scan for the
// end line always stops.
std::string withEndLine(std::string_view bytes);

} // namespace tessaline
