#include "app/settings_file.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "platform/user_language.h"
#include "text/region.h"
#include "text/text_tables.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace tessaline::cli {

namespace {

std::string jsonList(std::span<const ShortText> list, Region region) {
    std::string out = "[";
    for (std::size_t k = 0; k < list.size(); ++k)
        out += (k ? ", " : "") + jsonQuoted(list[k].text(region));
    return out + "]";
}

template <typename Text> std::string jsonTexts(std::span<const Text> table, Region region) {
    std::string out = "[";
    for (std::size_t k = 0; k < table.size(); ++k)
        out += std::string(k ? ",\n    " : "\n    ") + jsonQuoted(table[k].text(region));
    return out + "\n  ]";
}

void printJson(Region region) {
    std::string out = "{\n  \"language\": " + jsonQuoted(RegionCode(region)) + ",\n  \"items\": [";
    const auto items = ItemTextTable();
    for (std::size_t row = 0; row < items.size(); ++row) {
        out += std::string(row ? ",\n    " : "\n    ") + "{\"row\": " + std::to_string(row) +
               ", \"labels\": " + jsonList(items[row].labels, region) +
               ", \"values\": " + jsonList(items[row].values, region) +
               ", \"units\": " + jsonList(items[row].units, region) + "}";
    }
    out += "\n  ],\n  \"print\": ";
    std::string print = "[";
    const auto printItems = PrintItemTexts();
    for (std::size_t row = 0; row < printItems.size(); ++row)
        print += (row ? ", " : "") + jsonQuoted(printItems[row].label(0, region));
    out += print + "],\n  \"messages\": " + jsonTexts(MessageTable(), region) +
           ",\n  \"guides\": " + jsonTexts(GuideTextTable(), region) + "\n}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

void printList(const char* what, std::size_t row, std::span<const ShortText> list, Region region) {
    for (std::size_t k = 0; k < list.size(); ++k)
        std::printf("item %zu %s %zu: %s\n", row, what, k,
                    readableText(list[k].text(region)).c_str());
}

void printPlain(Region region) {
    const auto items = ItemTextTable();
    for (std::size_t row = 0; row < items.size(); ++row) {
        printList("label", row, items[row].labels, region);
        printList("value", row, items[row].values, region);
        printList("unit", row, items[row].units, region);
    }
    const auto printItems = PrintItemTexts();
    for (std::size_t row = 0; row < printItems.size(); ++row)
        std::printf("print %zu: %s\n", row, readableText(printItems[row].label(0, region)).c_str());
    const auto messages = MessageTable();
    for (std::size_t k = 0; k < messages.size(); ++k)
        std::printf("message %zu: %s\n", k, readableText(messages[k].text(region)).c_str());
    const auto guides = GuideTextTable();
    for (std::size_t k = 0; k < guides.size(); ++k)
        std::printf("guide %zu: %s\n", k, readableText(guides[k].text(region)).c_str());
}

} // namespace

int runTexts(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) {
        std::fprintf(stderr, "tessaline-cli: texts takes no arguments; options stand before the "
                             "command, e.g. tessaline-cli --language ja --json texts\n");
        return kUsageError;
    }
    std::optional<Region> region;
    if (options.language.empty()) {
        region = RegionFromNumber(RegionFromLanguage(UserPrimaryLanguage()));
    } else {
        region = RegionFromCode(options.language);
    }
    if (!region) {
        std::fprintf(stderr, "tessaline-cli: unknown language %s (en, ja, zh or ko)\n",
                     options.language.c_str());
        return kUsageError;
    }
    if (options.json) {
        printJson(*region);
    } else {
        printPlain(*region);
    }
    return 0;
}

} // namespace tessaline::cli
