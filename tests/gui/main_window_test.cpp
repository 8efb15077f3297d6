#include "gui/window_fixture.h"

#include "gui/dlg_tab_standard.h"
#include "gui/row_page_view.h"
#include "pages/standard_page.h"
#include "text/text_tables.h"
#include "transport/command_prefix.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <chrono>
#include <thread>

namespace tessaline::gui {
namespace {

using namespace main_id;

QString itemLabel(size_t row, size_t k, Region region) {
    const std::string_view text = ItemTextsRow(row).label(k, region);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as the person reads it: without its access key's "&" or "(&K)".
QString shownCaption(QString text) {
    static const QRegularExpression suffix(QStringLiteral("\\(&.\\)"));
    text.remove(suffix);
    static const QRegularExpression single(QStringLiteral("&(.)"));
    return text.replace(single, QStringLiteral("\\1"));
}

// The access key of a caption, upper case; a null character when it has none.
QChar accessKeyOf(const QString& text) {
    static const QRegularExpression key(QStringLiteral("&([^&])"));
    const QRegularExpressionMatch match = key.match(text);
    return match.hasMatch() ? match.captured(1)[0].toUpper() : QChar();
}

TEST_F(WindowTest, SendFromTheWindowPutsThePrefixAndTheTextOnTheWire) {
    start();
    control<QRadioButton>(kFirstInterfaceRadio + InterfacePanel::IpAddress)->click();
    EXPECT_EQ(model_->interfaces().group(), InterfacePanel::IpAddress);
    RowPageView* rows = window_->standardPage()->rows();
    rows->checkBox(standard_row::kPrintSpeed)->click();
    rows->checkBox(standard_row::kPrintDarkness)->click();
    control<QPushButton>(kSend)->click();
    ASSERT_EQ(person_.questions(), 1);
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    sim_->stop(); // flushes what it received
    const std::string wire = recorded();
    const auto at = wire.find(CommandPrefix);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(wire.substr(at), std::string(CommandPrefix) + app_.records.configText);
    EXPECT_NE(app_.records.configText.find("PRINT SPEED\t:\t"), std::string::npos);
    EXPECT_NE(app_.records.configText.find("PRINT DARKNESS\t:\t"), std::string::npos);
}

TEST_F(WindowTest, ReceiveFillsTheStandardPage) {
    start();
    control<QPushButton>(kReceive)->click();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    const RowState& speed = model_->standard.rows().state(standard_row::kPrintSpeed);
    ASSERT_GE(speed.valueIndex, 0);
    RowPageView* rows = window_->standardPage()->rows();
    EXPECT_EQ(rows->valueList(standard_row::kPrintSpeed)->currentIndex(), speed.valueIndex);
    EXPECT_EQ(rows->checkBox(standard_row::kPrintSpeed)->isChecked(), speed.checked);
}

TEST_F(WindowTest, ASlowExchangeShowsProgressWhileTheWindowWaits) {
    start();
    bool progressShown = false;
    bool clickedThrough = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) progressShown = true;
        }
        // A click while the exchange runs is dropped.
        QTest::mouseClick(control<QPushButton>(kRestoreDefaults), Qt::LeftButton);
    });
    const auto restore = QObject::connect(control<QPushButton>(kRestoreDefaults),
                                          &QPushButton::clicked, [&] { clickedThrough = true; });
    probe.start(600);
    bool ranElsewhere = false;
    const auto uiThread = std::this_thread::get_id();
    io_.run("Receiving", [&] {
        ranElsewhere = std::this_thread::get_id() != uiThread;
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    });
    probe.stop();
    QObject::disconnect(restore);
    EXPECT_TRUE(ranElsewhere);
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(clickedThrough);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WindowTest, LanguageSwitchRelabelsTabsCaptionsAndRows) {
    start();
    auto* languages = control<QComboBox>(kLanguageList);
    for (Region region : {Region::Japanese, Region::Chinese, Region::English}) {
        languages->setCurrentIndex(static_cast<int>(region));
        emit languages->activated(static_cast<int>(region));
        QTabBar* tabs = window_->tabBar();
        ASSERT_EQ(tabs->count(), 5);
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_EQ(shownCaption(tabs->tabText(i)), itemLabel(0, static_cast<size_t>(i), region));
        EXPECT_EQ(shownCaption(control<QPushButton>(kSend)->text()), itemLabel(7, 0, region));
        EXPECT_EQ(shownCaption(control<QCheckBox>(kCheckAll)->text()), itemLabel(1, 0, region));
        EXPECT_EQ(window_->standardPage()->rows()->checkBox(standard_row::kPrintSpeed)->text(),
                  QString::fromStdString(model_->standard.rows().label(standard_row::kPrintSpeed)));
        // Messages and file dialogs follow the window's face for the language.
        EXPECT_EQ(QApplication::font().families(), window_->font().families());
    }
}

// Every command button and tab has an access key in every language, no two the same; Alt+key
// presses the button, and Ctrl+Tab / Ctrl+PageDown / Ctrl+Shift+Tab / Ctrl+PageUp step through
// the tabs from anywhere in the window.
TEST_F(WindowTest, CommandsAndTabsHaveAccessKeysAndCtrlTabStepsThroughTheTabs) {
    start();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    auto* languages = control<QComboBox>(kLanguageList);
    for (Region region : {Region::English, Region::Japanese, Region::Chinese, Region::Korean}) {
        SCOPED_TRACE(static_cast<int>(region));
        emit languages->activated(static_cast<int>(region));
        std::vector<QString> captions;
        for (int id : {kSend, kImport, kExport, kReceive, kRestoreDefaults, kDetail, kCheckAll})
            captions.push_back(qobject_cast<QAbstractButton*>(window_->control(id))->text());
        QTabBar* tabs = window_->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            captions.push_back(tabs->tabText(i));
        QString keys;
        for (const QString& caption : captions) {
            const QChar key = accessKeyOf(caption);
            EXPECT_FALSE(key.isNull()) << caption.toStdString();
            EXPECT_FALSE(keys.contains(key)) << caption.toStdString();
            keys += key;
            if (region != Region::English) {
                EXPECT_TRUE(caption.contains(QStringLiteral("(&") + key + ')'))
                    << caption.toStdString();
            }
        }
    }

    QTabBar* tabs = window_->tabBar();
    tabs->setCurrentIndex(1);
    control<QComboBox>(kModelList)->setFocus();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    } steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 2},
                 {Qt::Key_PageDown, Qt::ControlModifier, 3},
                 {Qt::Key_PageUp, Qt::ControlModifier, 2},
                 {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
                 {Qt::Key_PageUp, Qt::ControlModifier, 0},
                 {Qt::Key_PageUp, Qt::ControlModifier, 4}}; // round to the last
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        EXPECT_EQ(tabs->currentIndex(), step.tab);
    }
    // Alt+Y (Easy's key in the Korean window) chooses its tab.
    QTest::keyClick(window_.get(), Qt::Key_Y, Qt::AltModifier);
    EXPECT_EQ(model_->tab(), TabIndex::Easy);
}

// A language or model change resets the pages: with unsent edits the person is asked first, and
// No keeps the window as it was. Without edits, or after a send, nothing is asked.
TEST_F(WindowTest, ALanguageOrModelChangeAsksBeforeLosingUnsentEdits) {
    start();
    auto* languages = control<QComboBox>(kLanguageList);
    auto* models = control<QComboBox>(kModelList);
    auto choose = [](QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    };
    choose(languages, static_cast<int>(Region::Japanese)); // nothing edited: not asked
    EXPECT_EQ(person_.questions(), 0);
    EXPECT_EQ(model_->region(), Region::Japanese);

    RowPageView* rows = window_->standardPage()->rows();
    rows->checkBox(standard_row::kPrintSpeed)->click();
    person_.answers = {false};
    choose(languages, static_cast<int>(Region::Korean));
    ASSERT_EQ(person_.questions(), 1);
    EXPECT_EQ(person_.shown.back().text,
              std::string(OwnMessageText(OwnMessage::UnsentEditsLost, Region::Japanese)));
    EXPECT_EQ(model_->region(), Region::Japanese);
    EXPECT_EQ(languages->currentIndex(), static_cast<int>(Region::Japanese));
    EXPECT_TRUE(rows->checkBox(standard_row::kPrintSpeed)->isChecked());

    person_.answers = {false};
    choose(models, 2);
    EXPECT_EQ(person_.questions(), 2);
    EXPECT_EQ(model_->model(), 0);
    EXPECT_EQ(models->currentIndex(), 0);

    person_.answers = {true};
    choose(models, 2);
    EXPECT_EQ(person_.questions(), 3);
    EXPECT_EQ(model_->model(), 2);
    EXPECT_FALSE(rows->checkBox(standard_row::kPrintSpeed)->isChecked());
    choose(languages, static_cast<int>(Region::English)); // the reset forgot the edits
    EXPECT_EQ(person_.questions(), 3);

    rows->checkBox(standard_row::kPrintSpeed)->click();
    person_.answers = {true}; // Send's confirmation
    control<QPushButton>(kSend)->click();
    choose(languages, static_cast<int>(Region::Chinese)); // sent: nothing to lose
    EXPECT_EQ(model_->region(), Region::Chinese);
    EXPECT_EQ(person_.questions(), 4);
}

TEST_F(WindowTest, ReceiveScopeKeepsItsChoiceAcrossALanguageSwitch) {
    start();
    auto* languages = control<QComboBox>(kLanguageList);
    auto* scope = control<QComboBox>(kReceiveScope);
    struct Case {
        TabIndex tab;
        int scope; // "EASY", "STANDARD", "INFORMATION", "ADVANCED"
    };
    for (const Case& c : {Case{TabIndex::Easy, 0}, Case{TabIndex::Information, 2}}) {
        window_->tabBar()->setCurrentIndex(static_cast<int>(c.tab));
        ASSERT_EQ(scope->currentIndex(), c.scope);
        for (Region region : {Region::Japanese, Region::Korean, Region::English}) {
            emit languages->activated(static_cast<int>(region));
            EXPECT_EQ(model_->tab(), c.tab);
            ASSERT_EQ(scope->count(), 4);
            EXPECT_EQ(scope->currentIndex(), c.scope);
            for (int k = 0; k < scope->count(); ++k) {
                const std::string_view value =
                    ItemTextsRow(10).value(static_cast<size_t>(k), region);
                EXPECT_EQ(scope->itemText(k).toStdString(), value) << k;
            }
            EXPECT_FALSE(scope->isEnabled());
        }
    }
}

TEST_F(WindowTest, DecliningTheAdvancedWarningKeepsThePreviousTab) {
    start("ON");
    QTabBar* tabs = window_->tabBar();
    ASSERT_EQ(tabs->count(), 6);
    person_.answers = {false};
    tabs->setCurrentIndex(5);
    EXPECT_EQ(person_.questions(), 1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(model_->tab(), TabIndex::Standard);
    EXPECT_TRUE(window_->page(TabIndex::Standard)->isVisible());
    EXPECT_FALSE(window_->page(TabIndex::Advanced)->isVisible());

    person_.answers = {true};
    tabs->setCurrentIndex(5);
    EXPECT_EQ(model_->tab(), TabIndex::Advanced);
    EXPECT_TRUE(window_->page(TabIndex::Advanced)->isVisible());
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(5); // asked once only
    EXPECT_EQ(person_.questions(), 2);
}

TEST_F(WindowTest, EscapeDoesNotCloseTheWindow) {
    start();
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QTest::keyClick(window_->standardPage(), Qt::Key_Escape);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(WindowTest, StandardPageScrollStopsAtTheLastPage) {
    start();
    // A client height that leaves the page 300 pixels, its first scroll page.
    window_->resize(window_->width(),
                    300 + window_->units().py(kHostHeightMargin) + window_->statusHeight());
    CDlgTabStandard* page = window_->standardPage();
    ASSERT_EQ(page->height(), 300);
    page->scrollBy(ScrollAction::Bottom);
    const int last = lastScrollPosition(page->scroll());
    EXPECT_EQ(last, 1701);
    EXPECT_EQ(page->scroll().position, last);
    page->scrollBy(ScrollAction::LineDown);
    page->turnWheel(-3);
    EXPECT_EQ(page->scroll().position, last);
    EXPECT_EQ(page->content()->y(), -last);
    page->turnWheel(1);
    EXPECT_EQ(page->scroll().position, last - 50);
    page->scrollBy(ScrollAction::PageUp);
    EXPECT_EQ(page->scroll().position, last - 210);

    // The wheel over a list scrolls the page and leaves the list's choice alone.
    page->scrollBy(ScrollAction::Top);
    QComboBox* speed = page->rows()->valueList(standard_row::kPrintSpeed);
    const int chosen = speed->currentIndex();
    QWheelEvent wheel(QPointF(5, 5), speed->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(speed, &wheel);
    EXPECT_EQ(page->scroll().position, 50);
    EXPECT_EQ(speed->currentIndex(), chosen);
}

// The Standard page makes the controls of its lower boxes only as they come into view or are
// reached by Tab, and they then look and behave as if they had been there from the start.
TEST_F(WindowTest, StandardPageMakesItsLowerBoxesAsTheyComeIntoView) {
    start();
    CDlgTabStandard* page = window_->standardPage();
    QWidget* view = page->content();
    auto controls = [view] { return view->findChildren<QWidget*>(); };
    const QList<QWidget*> first = controls();
    ASSERT_FALSE(first.isEmpty());

    // Tab from the last control made goes on into the next box, which is made for it.
    QWidget* last = nullptr;
    for (QWidget* w : first)
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() &&
            w->isEnabled())
            last = w;
    ASSERT_NE(last, nullptr);
    QApplication::setActiveWindow(window_.get());
    last->setFocus(Qt::TabFocusReason);
    QTest::keyClick(last, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(view->isAncestorOf(next));
    EXPECT_FALSE(first.contains(next));
    EXPECT_GT(controls().size(), first.size());
}

TEST_F(WindowTest, StandardPageBoxesBelowTheFirstScreenAreMadeWhenScrolledTo) {
    start();
    CDlgTabStandard* page = window_->standardPage();
    QWidget* view = page->content();
    const qsizetype atStart = view->findChildren<QWidget*>().size();
    page->scrollBy(ScrollAction::Bottom);
    QApplication::processEvents();
    EXPECT_GT(view->findChildren<QWidget*>().size(), atStart);
    // A row of the last boxes shows its label and the model's value, within the page's width.
    QWidget* edit = page->rows()->edit(standard_row::kIpv6Address);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_LE(edit->mapTo(view, QPoint(edit->width(), 0)).x(), view->width());
    QCheckBox* box = page->rows()->checkBox(standard_row::kIpv6Address);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->text().isEmpty());
    EXPECT_EQ(
        box->palette().color(QPalette::WindowText),
        page->rows()->checkBox(standard_row::kPrintSpeed)->palette().color(QPalette::WindowText));
}

TEST_F(WindowTest, ControlsStandAtTheirTemplatePlaces) {
    start();
    const DialogUnits& du = window_->units();
    struct Place {
        int id, x, y, width, height;
    };
    for (const Place& p : {Place{kSend, 360, 227, 104, 18}, Place{kImport, 359, 250, 50, 14},
                           Place{kSelfInfo, 4, 1, 49, 14}, Place{kDetail, 432, 92, 32, 14}}) {
        EXPECT_EQ(window_->control(p.id)->geometry(), du.rect(p.x, p.y, p.width, p.height)) << p.id;
    }
    EXPECT_TRUE(control<QPushButton>(kSend)->isDefault());
    EXPECT_FALSE(window_->control(kExit)->isVisible());
    EXPECT_FALSE(window_->control(kReceiveScope)->isEnabled());
}

} // namespace
} // namespace tessaline::gui
