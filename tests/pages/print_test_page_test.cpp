#include "pages/print_test_page.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(PrintTestPage, ResetSelectsSelfTestAndKeepsTheFile) {
    PrintTestPage page;
    EXPECT_EQ(page.printMode(), PrintMode::SelfTest);
    page.setPrintMode(PrintMode::SendFile);
    page.setFileField("/home/user/labels/a.prn");
    page.reset();
    EXPECT_EQ(page.printMode(), PrintMode::SelfTest);
    EXPECT_EQ(page.fileField(), "/home/user/labels/a.prn");
}

TEST(PrintTestPage, ChosenFileSetsTheDefaultFolder) {
    PrintTestPage page;
    std::string folder = "/old/";
    page.fileChosen("/home/user/labels/a.prn", folder);
    EXPECT_EQ(folder, "/home/user/labels/");
    EXPECT_EQ(page.fileField(), "/home/user/labels/a.prn");
    page.fileChosen("b.prn", folder);
    EXPECT_EQ(folder, "/home/user/labels/");
    EXPECT_EQ(page.fileField(), "b.prn");
}

TEST(PrintTestPage, CaptionsFollowTheLanguage) {
    PrintTestPage page;
    EXPECT_EQ(page.caption(PrintCaption::Browse), "Browse...");
    page.applyLanguage(Region::Japanese);
    EXPECT_EQ(page.caption(PrintCaption::SelfTest), "セルフ印刷");
    EXPECT_EQ(page.caption(PrintCaption::Execute), "実行");
    page.applyLanguage(Region::Korean);
    EXPECT_EQ(page.caption(PrintCaption::SendFile), "파일보내기");
}

} // namespace
} // namespace tessaline
