#include "text/visible_text.h"

#include <cstdio>

namespace tessaline {

namespace {

std::string escaped(unsigned char code) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", code);
    return text;
}

} // namespace

std::string VisibleText(std::string_view text, bool keepLineEnds) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        // U+0080..U+009F (C2 80..C2 9F in UTF-8) steer some terminals as CSI and OSC do.
        if (byte == 0xC2 && at + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[at + 1]);
            if (next >= 0x80 && next <= 0x9F) {
                out += escaped(next);
                ++at;
                continue;
            }
        }
        const bool lineEnd = c == '\r' || c == '\n';
        if ((byte >= 0x20 && byte != 0x7F) || c == '\t' || (lineEnd && keepLineEnds)) {
            out += c;
            continue;
        }
        out += escaped(byte);
    }
    return out;
}

} // namespace tessaline
