// Rules that hold over the whole of the text tables, in every language.
#include "platform/utf16.h"
#include "text/text_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaline {
namespace {

std::string describe(const char* table, std::size_t row, std::size_t k, Region region) {
    return std::string(table) + " " + std::to_string(row) + " item " + std::to_string(k) +
           ", language " + std::string(RegionCode(region));
}

template <typename Text>
void expectFits(std::span<const Text> list, const char* table, std::size_t row) {
    for (std::size_t k = 0; k < list.size(); ++k) {
        for (const Region region : kAllRegions) {
            const std::string_view text = list[k].text(region);
            EXPECT_TRUE(isValidUtf8(text)) << describe(table, row, k, region);
            EXPECT_LE(utf16Length(text), Text::kMaxUnits) << describe(table, row, k, region);
        }
    }
}

TEST(TextTableRules, TableSizes) {
    EXPECT_EQ(ItemTextTable().size(), kItemTextRows);
    EXPECT_EQ(PrintItemTexts().size(), 5u);
    EXPECT_EQ(MessageTable().size(), 19u);
    EXPECT_EQ(GuideTextTable().size(), 20u);
    EXPECT_EQ(OwnMessageTable().size(), kOwnMessageCount);
}

TEST(TextTableRules, EveryTextFitsItsColumn) {
    const auto items = ItemTextTable();
    for (std::size_t row = 0; row < items.size(); ++row) {
        expectFits(items[row].labels, "row", row);
        expectFits(items[row].values, "row", row);
        expectFits(items[row].units, "row", row);
    }
    for (std::size_t row = 0; row < PrintItemTexts().size(); ++row)
        expectFits(PrintItemTexts()[row].labels, "print row", row);
    expectFits(MessageTable(), "message", 0);
    expectFits(GuideTextTable(), "guide", 0);
    expectFits(OwnMessageTable(), "own message", 0);
}

TEST(TextTableRules, EveryLabelIsTranslatedAndNotEmpty) {
    for (const auto table : {ItemTextTable(), PrintItemTexts()}) {
        for (std::size_t row = 0; row < table.size(); ++row) {
            ASSERT_FALSE(table[row].labels.empty()) << "row " << row;
            for (std::size_t k = 0; k < table[row].labels.size(); ++k)
                for (const Region region : kAllRegions)
                    EXPECT_FALSE(table[row].label(k, region).empty())
                        << describe("row", row, k, region);
        }
    }
}

// A shown item is translated back to its value by matching its text in all four languages, so
// within one list no text of an item may equal a text of another item in any language.
void expectUnambiguous(std::span<const ShortText> list, std::size_t row) {
    for (std::size_t a = 0; a < list.size(); ++a)
        for (std::size_t b = a + 1; b < list.size(); ++b)
            for (const auto textA : list[a].columns)
                for (const auto textB : list[b].columns)
                    EXPECT_NE(textA, textB) << "row " << row << " items " << a << " and " << b;
}

TEST(TextTableRules, NoTwoItemsOfAListShareAText) {
    const auto items = ItemTextTable();
    for (std::size_t row = 0; row < items.size(); ++row) {
        expectUnambiguous(items[row].values, row);
        expectUnambiguous(items[row].units, row);
    }
}

TEST(TextTableRules, EveryShownItemTranslatesBackToItsIndexInEveryLanguage) {
    const auto items = ItemTextTable();
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ItemTexts& item = items[row];
        for (const Region region : kAllRegions) {
            for (std::size_t k = 0; k < item.values.size(); ++k)
                EXPECT_EQ(item.findValue(item.value(k, region)), static_cast<int>(k))
                    << describe("row", row, k, region);
            for (std::size_t k = 0; k < item.units.size(); ++k)
                EXPECT_EQ(item.findUnit(item.unit(k, region)), static_cast<int>(k))
                    << describe("row", row, k, region);
        }
        EXPECT_EQ(item.findValue("no such item"), -1);
    }
}

TEST(TextTableRules, LookupsOutsideTheTablesAreEmpty) {
    const ItemTexts& row20 = ItemTextTable()[20];
    EXPECT_EQ(row20.value(11, Region::Japanese), "");
    EXPECT_EQ(row20.label(1, Region::English), "");
    EXPECT_EQ(row20.unit(0, Region::English), "");
    EXPECT_TRUE(ItemTextsRow(kItemTextRows).labels.empty());
    EXPECT_EQ(ItemTextsRow(20).label(0, Region::English), "Print Speed");
    EXPECT_EQ(MessageText(19, Region::English), "");
    EXPECT_EQ(GuideText(20, Region::Korean), "");
    EXPECT_EQ(GuideText(0, Region::English), "Please select the type of media being used:");
    EXPECT_EQ(OwnMessageText(static_cast<OwnMessage>(kOwnMessageCount), Region::English), "");
    // A region number outside 0..3 reads the English column.
    EXPECT_EQ(row20.label(0, static_cast<Region>(7)), "Print Speed");
}

TEST(TextTableRules, LanguageCodes) {
    const std::pair<std::string_view, Region> kCodes[] = {{"en", Region::English},
                                                          {"ja", Region::Japanese},
                                                          {"zh", Region::Chinese},
                                                          {"ko", Region::Korean}};
    for (const auto& [code, region] : kCodes) {
        EXPECT_EQ(RegionFromCode(code), region);
        EXPECT_EQ(RegionCode(region), code);
    }
    EXPECT_EQ(RegionFromCode("JA"), std::nullopt);
    EXPECT_EQ(RegionFromCode(""), std::nullopt);
    EXPECT_EQ(RegionFromNumber(3), Region::Korean);
    EXPECT_EQ(RegionFromNumber(4), std::nullopt);
    EXPECT_EQ(RegionFromNumber(-1), std::nullopt);
}

} // namespace
} // namespace tessaline
