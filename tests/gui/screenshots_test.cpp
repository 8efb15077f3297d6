#include "gui/window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabBar>

#include <cstdlib>

namespace tessaline::gui {
namespace {

// Every tab and the self-information dialog in English and Japanese, into the folder named by
// TESSALINE_SCREENSHOT_DIR (scripts/screenshots); without it only checks that everything paints.
TEST_F(WindowTest, EveryTabPaintsInEnglishAndJapanese) {
    app_.current.appMode = "QRVA"; // the Self Info button is shown
    start("ON");
    person_.fallback = true; // the Advanced warning is accepted
    const char* folder = std::getenv("TESSALINE_SCREENSHOT_DIR");
    auto* languages = qobject_cast<QComboBox*>(window_->control(main_id::kLanguageList));
    for (Region region : {Region::English, Region::Japanese}) {
        emit languages->activated(static_cast<int>(region));
        const auto tabs = model_->tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            window_->tabBar()->setCurrentIndex(static_cast<int>(i));
            QApplication::processEvents();
            const QPixmap shot = window_->grab();
            ASSERT_FALSE(shot.isNull());
            if (folder) {
                const QString name = QStringLiteral("%1/%2-tab%3.png")
                                         .arg(QString::fromLocal8Bit(folder))
                                         .arg(QString::fromLatin1(RegionCode(region).data()))
                                         .arg(static_cast<int>(tabs[i]));
                EXPECT_TRUE(shot.save(name)) << name.toStdString();
            }
        }
        showTab(TabIndex::Standard);
        bool painted = false;
        whenSelfInfoOpens([&](CDlgSelfInfo& dialog) {
            QApplication::processEvents();
            const QPixmap shot = dialog.grab();
            painted = !shot.isNull();
            if (folder) {
                const QString name = QStringLiteral("%1/%2-selfinfo.png")
                                         .arg(QString::fromLocal8Bit(folder))
                                         .arg(QString::fromLatin1(RegionCode(region).data()));
                EXPECT_TRUE(shot.save(name)) << name.toStdString();
            }
        });
        qobject_cast<QPushButton*>(window_->control(main_id::kSelfInfo))->click();
        EXPECT_TRUE(painted);
    }
}

} // namespace
} // namespace tessaline::gui
