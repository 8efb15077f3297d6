#include "cli/json_text.h"

#include <cstdio>

namespace tessaline::cli {

namespace {

struct Escape {
    char c;
    std::string_view text;
};

constexpr Escape kJsonEscapes[] = {
    {'"', "\\\""}, {'\\', "\\\\"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}};
constexpr Escape kReadableEscapes[] = {
    {'\\', "\\\\"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}, {'\0', "\\0"}};

// Writes each character through the escape table; other control characters as \u00XX when
// `unicodeControls`, else as they are.
template <size_t N>
std::string escaped(std::string_view text, const Escape (&escapes)[N], bool unicodeControls) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        bool done = false;
        for (const Escape& e : escapes) {
            if (e.c == c) {
                out += e.text;
                done = true;
                break;
            }
        }
        if (done) continue;
        if (unicodeControls && static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string jsonQuoted(std::string_view text) {
    return "\"" + escaped(text, kJsonEscapes, true) + "\"";
}

std::string readableText(std::string_view text) {
    return escaped(text, kReadableEscapes, false);
}

} // namespace tessaline::cli
