#include "text/visible_text.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(VisibleText, ControlCharactersBecomeVisibleAndTextStays) {
    struct Case {
        std::string text;
        bool keepLineEnds;
        std::string shown;
    };
    const Case cases[] = {
        {"A1B2C3", false, "A1B2C3"},
        {"\x1b]0;TITLE\a", false, "\\x1B]0;TITLE\\x07"},
        {"a\tb\x7f", false, "a\tb\\x7F"},
        {std::string("x\0y", 3), false, "x\\x00y"},
        {"line\r\nnext", false, "line\\x0D\\x0Anext"},
        {"line\r\nnext", true, "line\r\nnext"},
        {"日本語", false, "日本語"},
        {"\xC2\x9B"
         "2J\xC2\xA9",
         false, "\\x9B2J\xC2\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VisibleText(c.text, c.keepLineEnds), c.shown) << c.shown;
}

} // namespace
} // namespace tessaline
