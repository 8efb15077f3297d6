#include "app/profile_file.h"

#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(ProfileFile, ReadsEveryEncodingItWrites) {
    const std::string text = "[Tessaline]\r\nPORT_NAME=\xE3\x83\x97\xE3\x83\xAA\r\n";
    const std::string legacyBytes = "[Tessaline]\nPORT_NAME=\x83\x76\n";
    const auto legacy = [](std::string_view) {
        return std::string("[Tessaline]\nPORT_NAME=\xE3\x83\x97\n");
    };
    struct Case {
        std::string bytes;
        std::string name;
    };
    const Case cases[] = {
        {"\xFF\xFE" + utf8ToUtf16Le(text), "\xE3\x83\x97\xE3\x83\xAA"},
        {"\xEF\xBB\xBF" + text, "\xE3\x83\x97\xE3\x83\xAA"},
        {text, "\xE3\x83\x97\xE3\x83\xAA"},
        {legacyBytes, "\xE3\x83\x97"},
    };
    for (const auto& c : cases) {
        const ProfileFile file = ProfileFile::fromBytes(c.bytes, legacy);
        EXPECT_EQ(file.getString("Tessaline", "PORT_NAME"), c.name);
    }
}

TEST(ProfileFile, KeysAndValues) {
    const ProfileFile file = ProfileFile::fromText(
        "[Other]\nREGION=2\n[TESSALINE]\n  region = 1 \nEMPTY=\nQUOTED=\" a \"\n; REGION=3\n");
    EXPECT_EQ(file.getInt("Tessaline", "REGION", 255), 1);
    EXPECT_EQ(file.getString("Tessaline", "EMPTY"), "");
    EXPECT_EQ(file.getString("Tessaline", "MISSING"), std::nullopt);
    EXPECT_EQ(file.getString("Tessaline", "QUOTED"), " a ");
    EXPECT_EQ(file.getInt("Tessaline", "EMPTY", 255), 255);
    EXPECT_EQ(file.getString("Missing", "REGION"), std::nullopt);
}

TEST(ProfileFile, SetReplacesInPlaceAndKeepsLinesIntact) {
    ProfileFile file = ProfileFile::fromText("[Tessaline]\nREGION=0\n\n[Next]\nX=1\n");
    file.setString("Tessaline", "region", "3");
    file.setString("Tessaline", "PORT_NAME", "a\r\nREGION=9");
    file.setString("New", "K", "v");
    EXPECT_EQ(file.text(), "[Tessaline]\r\nregion=3\r\nPORT_NAME=a  REGION=9\r\n\r\n"
                           "[Next]\r\nX=1\r\n[New]\r\nK=v\r\n");
    EXPECT_EQ(file.getInt("Tessaline", "REGION", 255), 3);
}

} // namespace
} // namespace tessaline
