#include "platform/utf16.h"

#include <cstdint>
#include <optional>

namespace tessaline {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `pos`, advancing it; nullopt on a malformed sequence (pos moves by 1).
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return std::nullopt;
    }
    for (size_t i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += extra + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUnit(std::string& out, uint16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

std::string utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = decodeUtf8(utf8, pos).value_or(kReplacement);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            appendUnit(out, static_cast<uint16_t>(0xD800 | (v >> 10)));
            appendUnit(out, static_cast<uint16_t>(0xDC00 | (v & 0x3FF)));
        } else {
            appendUnit(out, static_cast<uint16_t>(cp));
        }
    }
    return out;
}

std::string utf16LeToUtf8(std::string_view utf16le) {
    std::string out;
    out.reserve(utf16le.size());
    const size_t units = utf16le.size() / 2;
    const auto unit = [&](size_t i) {
        return static_cast<uint16_t>(static_cast<uint8_t>(utf16le[2 * i]) |
                                     (static_cast<uint8_t>(utf16le[2 * i + 1]) << 8));
    };
    for (size_t i = 0; i < units; ++i) {
        const uint16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((char32_t(u - 0xD800) << 10) | (unit(i + 1) - 0xDC00)));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    if (utf16le.size() % 2 != 0) appendUtf8(out, kReplacement);
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        if (!decodeUtf8(bytes, pos)) return false;
    }
    return true;
}

size_t utf16Length(std::string_view utf8) {
    size_t units = 0;
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = decodeUtf8(utf8, pos).value_or(kReplacement);
        units += cp >= 0x10000 ? 2 : 1;
    }
    return units;
}

} // namespace tessaline
