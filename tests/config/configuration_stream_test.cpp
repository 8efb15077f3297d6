#include "config/configuration_stream.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(CommandPrefix, BytesAndParts) {
    EXPECT_EQ(CommandPrefix.size(), 17u);
    EXPECT_EQ(CommandPrefix, std::string_view("\x7e\x21\x21\x0d\x0a\x02\x1b\x7e\x41\x0d\x0a"
                                              "\x7e\x1b\x7e\x41\x0d\x0a",
                                              17));
    EXPECT_EQ(PrefixHead, CommandPrefix.substr(0, 11));
    EXPECT_EQ(PrefixHeadFirstPart, std::string_view("~!!\r\n"));
    EXPECT_EQ(PrefixHeadSecondPart, std::string_view("\x02\x1b~A\r\n"));
}

TEST(ConfigurationStream, Recognition) {
    const std::string body = "PRINT SPEED\t:\t4 IPS\r\nEND\r\n";
    const std::string prefix(CommandPrefix);
    const std::string first(PrefixHeadFirstPart);
    const std::string second(PrefixHeadSecondPart);
    struct Case {
        std::string bytes;
        bool reply;
        bool recognised;
        bool crLf;
        bool dropped;
        std::string parsed;
    };
    const Case cases[] = {
        {prefix + body, false, true, false, false, prefix + body},
        {first + body, false, true, true, false, "\r\n" + first + body},
        {second + body, false, true, true, false, "\r\n" + second + body},
        {first + "X" + second + body, false, true, true, false,
         "\r\n" + first + "X" + second + body},
        {body, false, false, false, false, ""},
        {"\x06" + prefix + body, false, false, false, false, ""},
        {"\x06" + prefix + body, true, true, false, true, prefix + body},
        {"\x06" + second + body, true, true, true, true, "\r\n" + second + body},
        {"\x06\x06" + prefix + body, true, false, false, false, ""},
        {"", true, false, false, false, ""},
        {"~!", false, false, false, false, ""},
    };
    for (const auto& c : cases) {
        const auto got = recogniseConfigurationStream(c.bytes, c.reply);
        EXPECT_EQ(got.recognised, c.recognised) << c.bytes;
        EXPECT_EQ(got.crLfPutInFront, c.crLf) << c.bytes;
        EXPECT_EQ(got.firstByteDropped, c.dropped) << c.bytes;
        if (c.recognised) {
            EXPECT_EQ(got.bytes, c.parsed) << c.bytes;
        }
    }
}

TEST(ConfigurationStream, FileLinesEndInCrLf) {
    struct Case {
        std::string file;
        std::string text;
    };
    const Case cases[] = {
        {"", ""},
        {"A", "A\r\n"},
        {"A\nB\n", "A\r\nB\r\n"},
        {"A\r\nB", "A\r\nB\r\n"},
        {"A\r\r\n\n", "A\r\r\n\r\n"},
        {"\n", "\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joinFileLines(c.file), c.text) << c.file;
}

} // namespace
} // namespace tessaline
