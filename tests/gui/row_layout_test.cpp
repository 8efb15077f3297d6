#include "gui/window_fixture.h"

#include "gui/dlg_tab_advanced.h"
#include "gui/dlg_tab_easy.h"
#include "gui/dlg_tab_standard.h"
#include "gui/row_page_view.h"
#include "pages/standard_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

#include <limits>

namespace tessaline::gui {
namespace {

// The width a check box needs to show its whole label: the indicator, the gap and the longest
// line of the text by the box's own font.
int neededWidth(const QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QStyle* style = box->style();
    const QFontMetrics metrics(box->font());
    int text = 0;
    for (const QString& line : box->text().split('\n'))
        text = std::max(text, metrics.horizontalAdvance(line));
    return style->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box) + text;
}

// Every shown row label of `rows` is as wide as its text, lies inside its box and covers none of
// its row's other controls; unit lists are as wide as their units. Boxes not yet seen are made
// first, as scrolling down the page would.
void expectWholeLabels(RowPageView* rows, int rowCount, const char* page, Region region) {
    rows->reveal(std::numeric_limits<int>::max());
    QApplication::processEvents();
    for (int row = 0; row < rowCount; ++row) {
        const QCheckBox* box = rows->checkBox(row);
        if (!box || !box->isVisibleTo(rows)) continue;
        const std::string where = std::string(page) + " row " + std::to_string(row) + " \"" +
                                  box->text().toStdString() + "\" in region " +
                                  std::to_string(static_cast<int>(region));
        EXPECT_GE(box->width(), neededWidth(box)) << where;
        EXPECT_TRUE(box->parentWidget()->contentsRect().contains(box->geometry())) << where;
        // A unit list shows its whole unit too.
        if (const QComboBox* units = rows->unitList(row); units && units->isVisibleTo(rows)) {
            EXPECT_GE(units->width(), units->sizeHint().width()) << where;
        }
        const QWidget* others[] = {rows->valueList(row), rows->unitList(row), rows->edit(row)};
        for (const QWidget* other : others) {
            if (other && other->isVisibleTo(rows)) {
                EXPECT_FALSE(box->geometry().intersects(other->geometry())) << where;
            }
        }
    }
}

TEST_F(WindowTest, RowLabelsAreNeverClippedInAnyLanguage) {
    start("ON");
    person_.fallback = true; // the Advanced warning is accepted
    auto* languages = control<QComboBox>(main_id::kLanguageList);
    QTabBar* tabs = window_->tabBar();
    for (Region region : {Region::English, Region::Japanese, Region::Chinese, Region::Korean}) {
        emit languages->activated(static_cast<int>(region));
        tabs->setCurrentIndex(static_cast<int>(TabIndex::Easy));
        QApplication::processEvents();
        for (RowPageView* rows : window_->easyPage()->findChildren<RowPageView*>())
            expectWholeLabels(rows, model_->easy.rows().size(), "Easy", region);
        tabs->setCurrentIndex(static_cast<int>(TabIndex::Standard));
        QApplication::processEvents();
        expectWholeLabels(window_->standardPage()->rows(), model_->standard.rows().size(),
                          "Standard", region);
        tabs->setCurrentIndex(static_cast<int>(TabIndex::Advanced));
        QApplication::processEvents();
        expectWholeLabels(window_->advancedPage()->rows(), model_->advanced.rows().size(),
                          "Advanced", region);
    }
}

// The command buttons and the tabs show their whole captions, access keys included, in every
// language.
TEST_F(WindowTest, CommandCaptionsAreNeverClippedInAnyLanguage) {
    start();
    auto* languages = control<QComboBox>(main_id::kLanguageList);
    for (Region region : {Region::English, Region::Japanese, Region::Chinese, Region::Korean}) {
        SCOPED_TRACE(static_cast<int>(region));
        emit languages->activated(static_cast<int>(region));
        QApplication::processEvents();
        for (int id : {main_id::kSend, main_id::kImport, main_id::kExport, main_id::kReceive,
                       main_id::kRestoreDefaults, main_id::kDetail}) {
            auto* button = qobject_cast<QPushButton*>(window_->control(id));
            // The caption and the style's margins on both sides.
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            const int needed =
                button->fontMetrics().horizontalAdvance(button->text().remove('&')) + 2 * margin;
            EXPECT_LE(needed, button->width()) << button->text().toStdString();
        }
        QTabBar* tabs = window_->tabBar();
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect place = tabs->tabRect(i);
            EXPECT_LE(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i).remove('&')),
                      place.width())
                << tabs->tabText(i).toStdString();
        }
    }
}

TEST_F(WindowTest, InterfaceRowsStandInTheirSubGroupBoxes) {
    start();
    struct Case {
        int row;
        const char* part;
        int group; // caption of the enclosing box
    };
    const Case cases[] = {
        {49, "USB", 4},
        {54, "Ethernet IPv4", 4},
        {63, "Ethernet IPv6", 4},
        {56, "Common Ethernet Settings", 4},
        {66, "Serial Interface", 5},
        {113, "Parallel Interface", 5},
        {72, "Ethernet", 5},
        {87, "Wireless LAN", 5},
        {93, "WPA2-Enterprise", 5},
    };
    for (Region region : {Region::English, Region::Korean}) {
        emit control<QComboBox>(main_id::kLanguageList)->activated(static_cast<int>(region));
        for (const Case& c : cases) {
            const QWidget* box = window_->standardPage()->rows()->checkBox(c.row)->parentWidget();
            const auto* part = qobject_cast<const QGroupBox*>(box);
            ASSERT_NE(part, nullptr) << c.row;
            EXPECT_EQ(part->title(), QString::fromLatin1(c.part)) << c.row;
            const auto* group = qobject_cast<const QGroupBox*>(part->parentWidget());
            ASSERT_NE(group, nullptr) << c.row;
            EXPECT_EQ(group->title().toStdString(), model_->standard.groupCaption(c.group))
                << c.row;
        }
    }
}

} // namespace
} // namespace tessaline::gui
