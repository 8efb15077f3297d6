#include "cli/json_text.h"

#include <cstdio>

namespace tessaline::cli {

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace tessaline::cli
