#include "text/text_tables.h"

namespace tessaline {

std::string_view ItemTexts::at(std::span<const ShortText> list, std::size_t k, Region region) {
    return k < list.size() ? list[k].text(region) : std::string_view();
}

int ItemTexts::find(std::span<const ShortText> list, std::string_view text) {
    for (std::size_t k = 0; k < list.size(); ++k) {
        for (const std::string_view column : list[k].columns) {
            if (column == text) return static_cast<int>(k);
        }
    }
    return -1;
}

const ItemTexts& ItemTextsRow(std::size_t row) {
    static constexpr ItemTexts kNoTexts{};
    const auto table = ItemTextTable();
    return row < table.size() ? table[row] : kNoTexts;
}

namespace {
std::string_view entryText(std::span<const LongText> table, std::size_t index, Region region) {
    return index < table.size() ? table[index].text(region) : std::string_view();
}
} // namespace

std::string_view MessageText(std::size_t index, Region region) {
    return entryText(MessageTable(), index, region);
}

std::string_view GuideText(std::size_t index, Region region) {
    return entryText(GuideTextTable(), index, region);
}

std::string_view OwnMessageText(OwnMessage message, Region region) {
    return entryText(OwnMessageTable(), static_cast<std::size_t>(message), region);
}

std::string_view DetailPhraseText(DetailPhrase phrase, Region region) {
    return entryText(DetailTable(), static_cast<std::size_t>(phrase), region);
}

} // namespace tessaline
