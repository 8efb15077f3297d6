#include "app/profile_file.h"

#include "platform/utf16.h"

#include <gtest/gtest.h>

#include <vector>

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

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// A UTF-16LE file that lost one byte anywhere, with or without its mark: one line is damaged and
// every other line reads as it was written.
TEST(ProfileFile, AByteLostFromUtf16DamagesOnlyItsLine) {
    const std::string text = "; mine\r\n[Other]\r\nA=1\r\nNAME=\xE3\x83\x97\xE3\x83\xAA\r\n\r\n"
                             "[Tessaline]\r\nREGION=0\r\nUNKNOWN=keep me\r\n[Last]\r\nZ=\"q\"\r\n";
    const std::vector<std::string> original = linesOf(text);
    const std::string bytes = utf8ToUtf16Le(text);
    // Byte offset at which each line starts.
    std::vector<size_t> starts;
    for (size_t at = 0, line = 0; line < original.size(); ++line) {
        starts.push_back(at);
        at += utf8ToUtf16Le(original[line] + "\r\n").size();
    }
    starts.push_back(bytes.size());
    for (const std::string& mark : {std::string(), std::string("\xFF\xFE")}) {
        for (size_t lost = 0; lost < bytes.size(); ++lost) {
            std::string damaged = bytes;
            damaged.erase(lost, 1);
            const ProfileFile file = ProfileFile::fromBytes(mark + damaged, nullptr);
            ASSERT_EQ(file.damagedLines(), 1u) << lost;
            // The line that lost the byte, and the next one when its line end lost it.
            size_t hit = 0;
            while (starts[hit + 1] <= lost)
                ++hit;
            const bool inLineEnd = lost + 4 >= starts[hit + 1];
            const std::vector<std::string> read = linesOf(file.text());
            size_t next = 0;
            for (size_t line = 0; line < original.size(); ++line) {
                if (line == hit || (inLineEnd && line == hit + 1)) continue;
                while (next < read.size() && read[next] != original[line])
                    ++next;
                ASSERT_LT(next, read.size()) << "lost " << lost << ", line " << original[line];
                ++next;
            }
        }
    }
    // A lost high byte of a plain character costs nothing, a lost character one mark.
    std::string lostHigh = bytes;
    lostHigh.erase(bytes.find(std::string("k\0", 2)) + 1, 1);
    EXPECT_EQ(ProfileFile::fromBytes(lostHigh, nullptr).getString("Tessaline", "UNKNOWN"),
              "keep me");
    std::string lostLow = bytes;
    lostLow.erase(bytes.find(std::string("k\0", 2)), 1);
    EXPECT_EQ(ProfileFile::fromBytes(lostLow, nullptr).getString("Tessaline", "UNKNOWN"),
              "\xEF\xBF\xBD"
              "eep me");
}

TEST(ProfileFile, UndecodableLinesAreCounted) {
    EXPECT_EQ(ProfileFile::fromText("[A]\nB=\x01\n\x1B[0m\nC=1\tx\n").damagedLines(), 2u);
    // A lone surrogate in UTF-16.
    EXPECT_EQ(ProfileFile::fromBytes(std::string("\xFF\xFE"
                                                 "A\0"
                                                 "\x00\xD8"
                                                 "\n\0"
                                                 "B\0",
                                                 10),
                                     nullptr)
                  .damagedLines(),
              1u);
}

} // namespace
} // namespace tessaline
