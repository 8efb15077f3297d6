// The detail phrases: each in all four languages with the same parameters, and put into words
// with the values a detail carries.
#include "platform/utf16.h"
#include "text/error_detail.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaline {
namespace {

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DetailTable, EveryPhraseHasFourLanguagesWithTheSameParameters) {
    ASSERT_EQ(DetailTable().size(), kDetailCount);
    for (std::size_t k = 0; k < kDetailCount; ++k) {
        const LongText& phrase = DetailTable()[k];
        const auto english = sorted(DetailPlaceholders(phrase.text(Region::English)));
        for (const Region region : kAllRegions) {
            const std::string_view text = phrase.text(region);
            const std::string where =
                "phrase " + std::to_string(k) + ", language " + std::string(RegionCode(region));
            EXPECT_FALSE(text.empty()) << where;
            EXPECT_TRUE(isValidUtf8(text)) << where;
            EXPECT_LE(utf16Length(text), LongText::kMaxUnits) << where;
            EXPECT_EQ(sorted(DetailPlaceholders(text)), english) << where;
            if (region != Region::English) {
                EXPECT_NE(text, phrase.text(Region::English)) << where;
            }
        }
    }
}

TEST(ErrorDetail, RendersItsValuesAndNestedPhrasesInTheRegion) {
    ErrorDetail detail(DetailPhrase::SettingRefused);
    detail.text("key", "PRINT DARKNESS")
        .text("value", "20")
        .phrase("reason", DetailPhrase::ReasonRange)
        .text("range", "0-15");
    EXPECT_EQ(RenderDetail(detail, Region::English),
              "PRINT DARKNESS: the value \"20\" is refused: the chosen model takes 0-15.");
    EXPECT_EQ(RenderDetail(detail, Region::Chinese),
              "PRINT DARKNESS: 值 \"20\" 被拒绝: 所选型号的范围是 0-15。");

    // Bytes from a printer or a name from the command line never steer a terminal; a value not
    // given stays visible as its name.
    ErrorDetail shown(DetailPhrase::UnexpectedStart);
    shown.text("shown", std::string("\x1b[2J\0ab", 7)).number("seconds", 3);
    EXPECT_EQ(RenderDetail(shown, Region::English),
              "{interface}: the reply began with unexpected bytes: \\x1B[2J\\x00ab. Check that the "
              "interface leads to this printer.");
    EXPECT_EQ(RenderDetail(ErrorDetail(), Region::Korean), "");
    EXPECT_TRUE(ErrorDetail().empty());
}

TEST(ErrorDetail, PlaceholdersInOrderOfAppearance) {
    EXPECT_EQ(DetailPlaceholders("{a}: {b} of {a} {unclosed"),
              (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_TRUE(DetailPlaceholders("plain").empty());
}

} // namespace
} // namespace tessaline
