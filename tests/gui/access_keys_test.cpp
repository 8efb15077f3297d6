#include "gui/access_keys.h"

#include <gtest/gtest.h>

namespace tessaline::gui {
namespace {

TEST(AccessKeys, CaptionsGetTheirKeyInEachLanguage) {
    struct Case {
        const char* caption;
        char key;
        Region region;
        const char* shown;
    };
    const Case cases[] = {
        {"Send Configuration", 'S', Region::English, "&Send Configuration"},
        {"Restore Defaults", 'D', Region::English, "Restore &Defaults"},
        {"Advanced", 'V', Region::English, "Ad&vanced"},
        {"Print Test", 'T', Region::English, "Print &Test"}, // a word's start before an inner t
        {"Execute", 'S', Region::English, "Execute(&S)"},
        {"Import...", 'I', Region::English, "&Import..."},
        {"R&D", 'D', Region::English, "R&&&D"},
        {"Tom & Jerry", 'J', Region::English, "Tom && &Jerry"},
        {"設定送信", 'S', Region::Japanese, "設定送信(&S)"},
        {"インポート...", 'i', Region::Japanese, "インポート(&I)..."},
        {"发送设置", 'S', Region::Chinese, "发送设置(&S)"},
        {"Port번호:", 'P', Region::Korean, "Port번호:(&P)"},
        {"Plain", '\0', Region::English, "Plain"},
    };
    for (const Case& c : cases) {
        const QChar key = c.key ? QChar(QLatin1Char(c.key)) : QChar();
        EXPECT_EQ(WithAccessKey(QString::fromUtf8(c.caption), key, c.region).toStdString(),
                  c.shown);
    }
}

TEST(AccessKeys, TheTemplateGivesThemOut) {
    TemplateControl button;
    button.kind = QStringLiteral("button");
    button.text = QStringLiteral("Restore &Defaults");
    EXPECT_EQ(AccessKey(button), QChar('D'));
    button.text = QStringLiteral("R&&D &now");
    EXPECT_EQ(AccessKey(button), QChar('N'));
    button.text = QStringLiteral("Plain");
    EXPECT_TRUE(AccessKey(button).isNull());
    TemplateControl tabs;
    tabs.kind = QStringLiteral("tab");
    tabs.style = QStringList{QStringLiteral("keys=YNF")};
    EXPECT_EQ(AccessKey(tabs, 1), QChar('N'));
    EXPECT_TRUE(AccessKey(tabs, 3).isNull());
}

} // namespace
} // namespace tessaline::gui
