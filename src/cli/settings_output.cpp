#include "cli/settings_output.h"

#include "cli/json_text.h"
#include "text/visible_text.h"

#include <cstdio>

namespace tessaline::cli {

namespace {

constexpr std::string_view kSeparator = "\t:\t";
constexpr std::string_view kLineEnd = "\r\n";

// "KEY\t:\tVALUE[\tUNIT]" as a JSON object; empty for lines of another form ("END").
std::string settingJson(std::string_view line) {
    const auto separator = line.find(kSeparator);
    if (separator == std::string_view::npos) return {};
    std::string_view value = line.substr(separator + kSeparator.size());
    std::string_view unit;
    if (const auto tab = value.find('\t'); tab != std::string_view::npos) {
        unit = value.substr(tab + 1);
        value = value.substr(0, tab);
    }
    return "{\"key\": " + jsonQuoted(line.substr(0, separator)) +
           ", \"value\": " + jsonQuoted(value) + ", \"unit\": " + jsonQuoted(unit) + "}";
}

} // namespace

std::string withLineFeeds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

void printConfigurationText(std::string_view text, int model, bool json) {
    if (!json) {
        const std::string out = withLineFeeds(VisibleText(text, true));
        std::fwrite(out.data(), 1, out.size(), stdout);
        return;
    }
    std::string out = "{\"model\": " + std::to_string(model) + ", \"text\": " + jsonQuoted(text) +
                      ", \"settings\": [";
    bool first = true;
    for (std::string_view rest = text; !rest.empty();) {
        auto end = rest.find(kLineEnd);
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        const std::string item = settingJson(line);
        if (item.empty()) continue;
        out += (first ? "\n  " : ",\n  ") + item;
        first = false;
    }
    out += first ? "]}\n" : "\n]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace tessaline::cli
