#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(Utf16, RoundTripsAndReplacesMalformedInput) {
    const std::string texts[] = {"", "ASCII", "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x96\xA8 x"};
    for (const auto& t : texts)
        EXPECT_EQ(utf16LeToUtf8(utf8ToUtf16Le(t)), t);
    EXPECT_EQ(utf8ToUtf16Le("\xF0\x9F\x96\xA8").size(), 4u);
    EXPECT_EQ(utf16Length("a\xE6\x97\xA5\xF0\x9F\x96\xA8"), 4u);
    EXPECT_EQ(utf8ToUtf16Le("a\xFF"), std::string("a\0\xFD\xFF", 4));
    EXPECT_EQ(utf16LeToUtf8(std::string("\x00\xD8"
                                        "a",
                                        3)),
              "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xE6\x97"));
    EXPECT_TRUE(isValidUtf8("\xE6\x97\xA5"));
}

} // namespace
} // namespace tessaline
