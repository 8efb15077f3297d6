#include "text/visible_text.h"

#include <cstdio>

namespace tessaline {

std::string VisibleText(std::string_view text, bool keepLineEnds) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool lineEnd = c == '\r' || c == '\n';
        if ((byte >= 0x20 && byte != 0x7F) || c == '\t' || (lineEnd && keepLineEnds)) {
            out += c;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", byte);
        out += code;
    }
    return out;
}

} // namespace tessaline
