#include "cli_json.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status = -1;
    std::string output;
};

// Runs tessaline-cli with the given environment assignments and arguments.
CliRun runCli(const std::string& environment, const std::string& arguments) {
    const std::string command =
        "env " + environment + " " TESSALINE_BIN_DIR "/tessaline-cli " + arguments + " 2>/dev/null";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(TextsCommand, JsonHoldsEveryTableInTheChosenLanguage) {
    const CliRun run = runCli("LANG=C", "--language ja --json texts");
    ASSERT_EQ(run.status, 0);
    const nlohmann::json reply = parsedJson(run.output);
    ASSERT_TRUE(reply.is_object()) << run.output;
    EXPECT_EQ(reply["ok"], true);
    EXPECT_EQ(reply["language"], "ja");
    const nlohmann::json& items = reply["items"];
    ASSERT_EQ(items.size(), 168u);
    EXPECT_EQ(items[0], nlohmann::json::parse(R"({"row": 0, "labels": ["かんたん", "基本", "情報",
        "センサー調整", "テスト印刷", "拡張"], "values": [], "units": []})"));
    EXPECT_EQ(items[25], nlohmann::json::parse(
                             R"({"row": 25, "labels": ["連続用紙長"], "values": [], "units":
                             ["INCH", "MM"]})"));
    EXPECT_EQ(items[167]["row"], 167);
    EXPECT_EQ(reply["print"], nlohmann::json::parse(
                                  R"(["セルフ印刷", "サンプル印刷", "ファイル送信", "実行",
                                  "参照..."])"));
    // The message texts keep their line ends, the file filter its NUL separators.
    const auto has = [](const nlohmann::json& list, const std::string& text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    };
    EXPECT_TRUE(has(reply["messages"],
                    "code : 20\r\nファイル入力エラーです。ファイルを確認してください。"));
    using namespace std::string_literals;
    EXPECT_TRUE(
        has(reply["messages"], "PRN ファイル (*.prn)\0*.prn\0すべてのファイル (*.*)\0*.*"s));
    EXPECT_TRUE(has(reply["guides"], "センサー調整に失敗しました。\n再度お試しください。"));
}

TEST(TextsCommand, LanguageDefaultsToTheUsersLocale) {
    const CliRun korean = runCli("LC_ALL= LC_MESSAGES= LANG=ko_KR.UTF-8", "--json texts");
    ASSERT_EQ(korean.status, 0);
    EXPECT_EQ(parsedJson(korean.output)["language"], "ko") << korean.output;
    const CliRun plain = runCli("LC_ALL=zh_CN.UTF-8", "texts");
    ASSERT_EQ(plain.status, 0);
    EXPECT_NE(plain.output.find("item 0 label 0: 简单\n"), std::string::npos);
    EXPECT_NE(plain.output.find("message 18: PRN 格式 (*.prn)\\0*.prn\\0所有文件 (*.*)\\0*.*\n"),
              std::string::npos);
}

TEST(TextsCommand, UnknownLanguageOrArgumentsAreUsageErrors) {
    EXPECT_EQ(runCli("LANG=C", "--language fr texts").status, 2);
    EXPECT_EQ(runCli("LANG=C", "texts extra").status, 2);
}

} // namespace
