#include "cli/settings_output.h"

#include "cli/run_reply.h"
#include "text/visible_text.h"

#include <cstdio>

namespace tessaline::cli {

namespace {

constexpr std::string_view kSeparator = "\t:\t";
constexpr std::string_view kLineEnd = "\r\n";

// "KEY\t:\tVALUE[\tUNIT]" as a JSON object; null for lines of another form ("END").
nlohmann::ordered_json settingJson(std::string_view line) {
    const auto separator = line.find(kSeparator);
    if (separator == std::string_view::npos) return nullptr;
    std::string_view value = line.substr(separator + kSeparator.size());
    std::string_view unit;
    if (const auto tab = value.find('\t'); tab != std::string_view::npos) {
        unit = value.substr(tab + 1);
        value = value.substr(0, tab);
    }
    return {{"key", line.substr(0, separator)}, {"value", value}, {"unit", unit}};
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
    auto settings = nlohmann::ordered_json::array();
    for (std::string_view rest = text; !rest.empty();) {
        auto end = rest.find(kLineEnd);
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        if (auto item = settingJson(line); !item.is_null()) settings.push_back(std::move(item));
    }
    runReply().addData({{"model", model}, {"text", text}, {"settings", std::move(settings)}});
}

} // namespace tessaline::cli
