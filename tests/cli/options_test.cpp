#include "cli/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaline::cli {
namespace {

bool parse(std::vector<const char*> words, ParsedCommandLine& out, std::string& error) {
    words.insert(words.begin(), "tessaline-cli");
    return parseCommandLine(static_cast<int>(words.size()), words.data(), out, error);
}

TEST(CommandLine, OptionsStandBeforeTheCommand) {
    ParsedCommandLine out;
    std::string error;
    ASSERT_TRUE(parse({"--model", "3", "--advanced", "--json", "parse", "a.prn", "--x"}, out, error));
    EXPECT_EQ(out.options.model, "3");
    EXPECT_TRUE(out.options.advanced);
    EXPECT_TRUE(out.options.json);
    EXPECT_FALSE(out.options.yes);
    EXPECT_EQ(out.command, "parse");
    EXPECT_EQ(out.arguments, (std::vector<std::string>{"a.prn", "--x"}));
}

TEST(CommandLine, UsageErrors) {
    const std::vector<std::vector<const char*>> cases = {
        {}, {"--model"}, {"--bogus", "parse"}, {"--json"}};
    for (const auto& words : cases) {
        ParsedCommandLine out;
        std::string error;
        EXPECT_FALSE(parse(words, out, error)) << words.size();
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
} // namespace tessaline::cli
