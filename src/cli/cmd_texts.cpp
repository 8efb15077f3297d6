#include "app/settings_file.h"
#include "cli/commands.h"
#include "cli/readable_text.h"
#include "cli/run_reply.h"
#include "platform/user_language.h"
#include "text/region.h"
#include "text/text_tables.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace tessaline::cli {

namespace {

nlohmann::ordered_json jsonList(std::span<const ShortText> list, Region region) {
    auto out = nlohmann::ordered_json::array();
    for (const ShortText& text : list)
        out.push_back(text.text(region));
    return out;
}

template <typename Text>
nlohmann::ordered_json jsonTexts(std::span<const Text> table, Region region) {
    auto out = nlohmann::ordered_json::array();
    for (const Text& text : table)
        out.push_back(text.text(region));
    return out;
}

void printJson(Region region) {
    auto items = nlohmann::ordered_json::array();
    const auto itemTable = ItemTextTable();
    for (std::size_t row = 0; row < itemTable.size(); ++row)
        items.push_back({{"row", row},
                         {"labels", jsonList(itemTable[row].labels, region)},
                         {"values", jsonList(itemTable[row].values, region)},
                         {"units", jsonList(itemTable[row].units, region)}});
    auto print = nlohmann::ordered_json::array();
    for (const auto& item : PrintItemTexts())
        print.push_back(item.label(0, region));
    runReply().addData({{"language", RegionCode(region)},
                        {"items", std::move(items)},
                        {"print", std::move(print)},
                        {"messages", jsonTexts(MessageTable(), region)},
                        {"guides", jsonTexts(GuideTextTable(), region)}});
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
    if (!arguments.empty())
        return usageError("texts takes no arguments; options stand before the command, e.g. "
                          "tessaline-cli --language ja --json texts");
    std::optional<Region> region;
    if (options.language.empty()) {
        region = RegionFromNumber(RegionFromLanguage(UserPrimaryLanguage()));
    } else {
        region = RegionFromCode(options.language);
    }
    if (!region) return usageError("unknown language " + options.language + " (en, ja, zh or ko)");
    if (options.json) {
        printJson(*region);
    } else {
        printPlain(*region);
    }
    return 0;
}

} // namespace tessaline::cli
