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

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

TEST(TextsCommand, JsonHoldsEveryTableInTheChosenLanguage) {
    const CliRun run = runCli("LANG=C", "--language ja --json texts");
    ASSERT_EQ(run.status, 0);
    const std::string& out = run.output;
    EXPECT_EQ(out.rfind("{\n  \"language\": \"ja\",", 0), 0u);
    EXPECT_EQ(count(out, "{\"row\": "), 168u);
    EXPECT_NE(
        out.find("{\"row\": 0, \"labels\": [\"かんたん\", \"基本\", \"情報\", \"センサー調整\", "
                 "\"テスト印刷\", \"拡張\"], \"values\": [], \"units\": []}"),
        std::string::npos);
    EXPECT_NE(out.find("{\"row\": 25, \"labels\": [\"連続用紙長\"], \"values\": [], \"units\": "
                       "[\"INCH\", \"MM\"]}"),
              std::string::npos);
    EXPECT_NE(out.find("{\"row\": 167, "), std::string::npos);
    EXPECT_NE(out.find("\"print\": [\"セルフ印刷\", \"サンプル印刷\", \"ファイル送信\", \"実行\", "
                       "\"参照...\"]"),
              std::string::npos);
    // The message texts keep their line ends, the file filter its NUL separators.
    EXPECT_NE(out.find("\"code : 20\\r\\nファイル入力エラーです。ファイルを確認してください。\""),
              std::string::npos);
    EXPECT_NE(
        out.find("\"PRN ファイル (*.prn)\\u0000*.prn\\u0000すべてのファイル (*.*)\\u0000*.*\""),
        std::string::npos);
    EXPECT_NE(out.find("\"センサー調整に失敗しました。\\n再度お試しください。\""),
              std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 4), "]\n}\n");
}

TEST(TextsCommand, LanguageDefaultsToTheUsersLocale) {
    const CliRun korean = runCli("LC_ALL= LC_MESSAGES= LANG=ko_KR.UTF-8", "--json texts");
    ASSERT_EQ(korean.status, 0);
    EXPECT_EQ(korean.output.rfind("{\n  \"language\": \"ko\",", 0), 0u);
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
