#include "cli/readable_text.h"

namespace tessaline::cli {

namespace {

struct Escape {
    char c;
    std::string_view text;
};

constexpr Escape kReadableEscapes[] = {
    {'\\', "\\\\"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}, {'\0', "\\0"}};

} // namespace

std::string readableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const Escape* escape = nullptr;
        for (const Escape& e : kReadableEscapes)
            if (e.c == c) escape = &e;
        if (escape)
            out += escape->text;
        else
            out += c;
    }
    return out;
}

} // namespace tessaline::cli
