#include "app/profile_file.h"

#include "platform/utf16.h"

#include <cctype>
#include <charconv>

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

} // namespace

ProfileFile ProfileFile::fromBytes(std::string_view bytes, const LegacyDecoder& legacy) {
    if (bytes.starts_with(kUtf16LeMark)) return fromText(utf16LeToUtf8(bytes.substr(2)));
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    if (isValidUtf8(bytes) || !legacy) return fromText(bytes);
    return fromText(legacy(bytes));
}

ProfileFile ProfileFile::fromText(std::string_view utf8) {
    ProfileFile file;
    while (!utf8.empty()) {
        const auto end = utf8.find('\n');
        std::string_view raw = utf8.substr(0, end);
        if (raw.ends_with('\r')) raw.remove_suffix(1);
        file.lines_.push_back(parseLine(raw));
        if (end == std::string_view::npos) break;
        utf8.remove_prefix(end + 1);
    }
    return file;
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
