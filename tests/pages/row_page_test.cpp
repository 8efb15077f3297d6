// The row engine on a small table of its own: the language flags no row of the six models
// exercises, and the address and length helpers.
#include "pages/row_page.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

constexpr std::string_view kOnOff[] = {"ON", "OFF"};
constexpr SettingRow kRows[] = {
    {.label = "Both",
     .values = ValueList::Fixed,
     .fixedValues = kOnOff,
     .defaultValue = sameIndex(1)},
    {.label = "Japanese only", .editMax = 4, .onlyJapanese = true},
    {.label = "Not in Japanese", .editMax = 4, .notJapanese = true},
    {.label = "Only RV-943E", .address = true, .available = 0x20},
};

TEST(RowPage, LanguageFlagsDisableRowsAfterTheModel) {
    RowPage page(kRows, {}, CollectWords::AsShown);
    struct Case {
        Region region;
        int model;
        bool both, japaneseOnly, notJapanese, rv943e;
    };
    for (Case c : {Case{Region::English, 0, true, false, true, false},
                   {Region::Japanese, 0, true, true, false, false},
                   {Region::Korean, 5, true, false, true, true},
                   {Region::Japanese, 5, true, true, false, true}}) {
        page.applyAvailability(c.model, c.region);
        EXPECT_EQ(page.state(0).enabled, c.both);
        EXPECT_EQ(page.state(1).enabled, c.japaneseOnly);
        EXPECT_EQ(page.state(1).editEnabled, c.japaneseOnly);
        EXPECT_EQ(page.state(2).enabled, c.notJapanese);
        EXPECT_EQ(page.state(3).enabled, c.rv943e);
    }
    page.restoreDefaults(2);
    EXPECT_EQ(page.shownValue(0), "OFF");
    EXPECT_EQ(page.label(1), "Japanese only"); // rows without a descriptor keep their caption
    page.setAllChecked(true);
    EXPECT_FALSE(page.collect()); // no slots: nothing to collect into
}

TEST(RowPage, AddressesFromDottedText) {
    struct Case {
        const char* text;
        std::array<int, 4> address;
    };
    for (Case c : {Case{"192.168.0.10", {192, 168, 0, 10}},
                   {"10.1", {10, 1, 0, 0}},
                   {"", {0, 0, 0, 0}},
                   {"300.-1.x.7.9", {255, 0, 0, 7}}}) {
        EXPECT_EQ(addressFromDotted(c.text), c.address) << c.text;
    }
    EXPECT_EQ(addressToSlotText({192, 168, 0, 10}), "192,168,0,10");
}

TEST(RowPage, TruncationNeverSplitsACharacter) {
    EXPECT_EQ(truncateToUtf16Units("abcdef", 4), "abcd");
    EXPECT_EQ(truncateToUtf16Units("aé日本", 3), "aé日");
    EXPECT_EQ(truncateToUtf16Units("a\xF0\x9F\x98\x80", 2), "a"); // a surrogate pair needs two
    EXPECT_EQ(truncateToUtf16Units("a\xF0\x9F\x98\x80", 3), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(truncateToUtf16Units("ab\xE6", 5), "ab"); // a cut-off character is dropped
}

} // namespace
} // namespace tessaline
