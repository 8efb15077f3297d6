#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(CodePage, FromLocaleLanguage) {
    struct Case {
        const char* locale;
        CodePage codePage;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", CodePage::Cp932},  {"zh_CN.GB18030", CodePage::Cp936},
        {"zh_TW", CodePage::Cp936},        {"ko_KR.UTF-8", CodePage::Cp949},
        {"ko", CodePage::Cp949},           {"en_US.UTF-8", CodePage::Windows1252},
        {"C", CodePage::Windows1252},      {"", CodePage::Windows1252},
        {"jam_XX", CodePage::Windows1252},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codePageForLocale(c.locale), c.codePage) << c.locale;
}

TEST(CodePage, ConvertsBothWaysAndMarksWhatCannotBeHeld) {
    struct Case {
        CodePage codePage;
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {CodePage::Windows1252, "PRINT SPEED\t:\t4 IPS\r\n", "PRINT SPEED\t:\t4 IPS\r\n"},
        {CodePage::Windows1252, "Zebra\xC2\xAE \xE2\x82\xAC", "Zebra\xAE \x80"},
        {CodePage::Cp932, "\xE3\x83\x97\xE3\x83\xAA", "\x83\x76\x83\x8A"},
        {CodePage::Cp936, "\xE4\xB8\xAD", "\xD6\xD0"},
        {CodePage::Cp949, "\xED\x95\x9C", "\xC7\xD1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCodePage(c.utf8, c.codePage), c.bytes) << c.utf8;
        EXPECT_EQ(fromCodePage(c.bytes, c.codePage), c.utf8) << c.utf8;
    }
    EXPECT_EQ(toCodePage("a\xE4\xB8\xAD"
                         "b",
                         CodePage::Windows1252),
              "a?b");
    EXPECT_EQ(toCodePage("a\xFF"
                         "b\xE4",
                         CodePage::Windows1252),
              "a?b?");
    EXPECT_EQ(fromCodePage("a\x81"
                           "b",
                           CodePage::Windows1252),
              "a?b");
    EXPECT_EQ(fromCodePage("a\x83", CodePage::Cp932), "a?");
}

} // namespace
} // namespace tessaline
