#include "app/profile_file.h"

#include "platform/utf16.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace tessaline {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && space(s.back()))
        s.remove_suffix(1);
    return s;
}

// The line end of UTF-16LE text: the unit 0x000A.
constexpr std::string_view kUtf16Lf = std::string_view("\n\0", 2);

bool plainUnit(unsigned char low, unsigned char high) {
    return high == 0 && (low >= 0x20 || low == '\t');
}

// Whether the units hold no lone surrogate (which decodes only as a replacement character).
bool wellFormedUtf16(std::string_view bytes) {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned unit =
            static_cast<unsigned char>(bytes[i]) |
            (static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8);
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false;
        if (unit < 0xD800 || unit > 0xDBFF) continue;
        if (i + 3 >= bytes.size()) return false;
        const unsigned next =
            static_cast<unsigned char>(bytes[i + 2]) |
            (static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 3])) << 8);
        if (next < 0xDC00 || next > 0xDFFF) return false;
        i += 2;
    }
    return true;
}

// A UTF-16LE line of odd length lost a byte: the units before the loss are read from the start
// and the rest from the end. The loss is placed where most units read as plain text, so that one
// character is damaged rather than the rest of the line.
std::string repairOddLine(std::string_view bytes) {
    const size_t n = bytes.size();
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    // before[j]: plain units among the first j units; after[i]: plain units from byte i on.
    std::vector<size_t> before(n / 2 + 1, 0), after(n + 2, 0);
    for (size_t j = 0; j < n / 2; ++j)
        before[j + 1] = before[j] + (plainUnit(byte(2 * j), byte(2 * j + 1)) ? 1 : 0);
    for (size_t i = n; i >= 3; i -= 2)
        after[i - 2] = after[i] + (plainUnit(byte(i - 2), byte(i - 1)) ? 1 : 0);
    size_t best = 0, bestScore = 0;
    for (size_t k = 0; k < n; k += 2) {
        const size_t score = before[k / 2] + after[k + 1];
        if (score >= bestScore) {
            best = k;
            bestScore = score;
        }
    }
    const unsigned char lone = byte(best);
    std::string out = utf16LeToUtf8(bytes.substr(0, best));
    out += lone >= 0x20 && lone < 0x7F ? std::string(1, static_cast<char>(lone))
                                       : std::string("\xEF\xBF\xBD");
    return out + utf16LeToUtf8(bytes.substr(best + 1));
}

bool holdsControlCharacter(std::string_view utf8) {
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return true;
    }
    return false;
}

} // namespace

std::vector<ProfileFile::DecodedLine> ProfileFile::utf16Lines(std::string_view bytes) {
    std::vector<DecodedLine> lines;
    // A line ends at the next LF unit in step with its start. A line that lost a byte has none
    // (every later LF is out of step) and ends at the next LF bytes out of step; the next line is
    // in step again. Where no LF in step follows a position of one parity, none follows any
    // later position of that parity: remembered, so that damaged files read in linear time.
    size_t noneInStepFrom[2] = {std::string_view::npos, std::string_view::npos};
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = std::string_view::npos;
        const size_t parity = start % 2;
        if (start < noneInStepFrom[parity]) {
            for (size_t i = start; i + 1 < bytes.size(); i += 2) {
                if (bytes.substr(i, 2) == kUtf16Lf) {
                    end = i;
                    break;
                }
            }
            if (end == std::string_view::npos) noneInStepFrom[parity] = start;
        }
        if (end == std::string_view::npos) end = bytes.find(kUtf16Lf, start);
        const std::string_view raw = bytes.substr(start, end - start);
        const bool lostByte = raw.size() % 2 != 0;
        // LF bytes out of step inside a line in step: lines between two lost bytes ran together.
        const bool ranTogether = !lostByte && raw.find(kUtf16Lf) != std::string_view::npos;
        DecodedLine line{lostByte ? repairOddLine(raw) : utf16LeToUtf8(raw),
                         lostByte || ranTogether || !wellFormedUtf16(raw)};
        if (line.text.ends_with('\r')) line.text.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) break;
        start = end + kUtf16Lf.size();
    }
    return lines;
}

std::vector<ProfileFile::DecodedLine> ProfileFile::textLines(std::string_view utf8) {
    std::vector<DecodedLine> lines;
    while (!utf8.empty()) {
        const auto end = utf8.find('\n');
        std::string_view raw = utf8.substr(0, end);
        if (raw.ends_with('\r')) raw.remove_suffix(1);
        lines.push_back({std::string(raw), false});
        if (end == std::string_view::npos) break;
        utf8.remove_prefix(end + 1);
    }
    return lines;
}

ProfileFile ProfileFile::fromLines(const std::vector<DecodedLine>& lines) {
    ProfileFile file;
    for (const auto& line : lines) {
        file.lines_.push_back(parseLine(line.text));
        if (line.damaged || holdsControlCharacter(line.text)) ++file.damagedLines_;
    }
    return file;
}

ProfileFile ProfileFile::fromBytes(std::string_view bytes, const LegacyDecoder& legacy) {
    if (bytes.starts_with(kUtf16LeMark)) return fromLines(utf16Lines(bytes.substr(2)));
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    } else if (bytes.find('\0') != std::string_view::npos) {
        // No text of the other encodings holds a zero byte: UTF-16LE that lost its mark.
        return fromLines(utf16Lines(bytes));
    }
    if (isValidUtf8(bytes) || !legacy) return fromText(bytes);
    return fromText(legacy(bytes));
}

ProfileFile ProfileFile::fromText(std::string_view utf8) {
    return fromLines(textLines(utf8));
}

ProfileFile::Line ProfileFile::parseLine(std::string_view raw) {
    Line line;
    line.raw = std::string(raw);
    const std::string_view body = trim(raw);
    if (body.starts_with('[')) {
        const auto close = body.find(']');
        line.isSection = true;
        line.section = std::string(trim(
            body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        return line;
    }
    if (body.starts_with(';')) return line;
    const auto equals = body.find('=');
    if (equals == std::string_view::npos) return line;
    line.isKey = true;
    line.key = std::string(trim(body.substr(0, equals)));
    std::string_view value = trim(body.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    line.value = std::string(value);
    return line;
}

std::optional<std::pair<size_t, size_t>> ProfileFile::sectionRange(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].isSection || !equalsIgnoringCase(lines_[i].section, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !lines_[end].isSection)
            ++end;
        return std::pair{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::getString(std::string_view section,
                                                  std::string_view key) const {
    const auto range = sectionRange(section);
    if (!range) return std::nullopt;
    for (size_t i = range->first; i < range->second; ++i) {
        if (lines_[i].isKey && equalsIgnoringCase(lines_[i].key, key)) return lines_[i].value;
    }
    return std::nullopt;
}

int ProfileFile::getInt(std::string_view section, std::string_view key, int fallback) const {
    const auto value = getString(section, key);
    if (!value) return fallback;
    const char* first = value->data();
    const char* last = first + value->size();
    if (first != last && *first == '+') ++first;
    int result = 0;
    const auto [ptr, ec] = std::from_chars(first, last, result);
    if (ptr == first || ec != std::errc()) return fallback;
    return result;
}

bool ProfileFile::hasSection(std::string_view section) const {
    return sectionRange(section).has_value();
}

void ProfileFile::addSection(std::string_view section) {
    if (hasSection(section)) return;
    lines_.push_back(parseLine("[" + std::string(section) + "]"));
}

void ProfileFile::setString(std::string_view section, std::string_view key,
                            std::string_view value) {
    // A line break inside a value would split the line; it becomes a space.
    std::string raw = std::string(key) + "=" + std::string(value);
    for (char& c : raw) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    auto range = sectionRange(section);
    if (!range) {
        addSection(section);
        range = sectionRange(section);
    }
    for (size_t i = range->first; i < range->second; ++i) {
        if (lines_[i].isKey && equalsIgnoringCase(lines_[i].key, key)) {
            lines_[i] = parseLine(raw);
            return;
        }
    }
    // Add after the section's last key, so trailing blank lines stay between sections.
    size_t at = range->second;
    while (at > range->first && !lines_[at - 1].isKey)
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), parseLine(raw));
}

std::string ProfileFile::text() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line.raw;
        out += kLineEnd;
    }
    return out;
}

std::string ProfileFile::utf16LeBytes() const {
    return std::string(kUtf16LeMark) + utf8ToUtf16Le(text());
}

} // namespace tessaline
