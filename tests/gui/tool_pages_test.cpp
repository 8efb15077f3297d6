// The Information, Sensor Adjustment and Print Test pages and the self-information dialog,
// driven through the window against the simulated printer.
#include "gui/window_fixture.h"

#include "gui/dlg_tab_advanced.h"
#include "gui/dlg_tab_calibration.h"
#include "gui/dlg_tab_information.h"
#include "gui/dlg_tab_print.h"
#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "gui/row_page_view.h"
#include "selfinfo/self_info_texts.h"
#include "text/text_tables.h"
#include "transport/command_prefix.h"
#include "transport/request_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <functional>

#include <unistd.h>

namespace tessaline::gui {
namespace {

using namespace main_id;

constexpr std::string_view kAdjustmentTail = "AUTO CALIBRATION\r\nSAVE\r\nEND\r\n";

std::string framed(RequestKind kind, EmulationKind emulation = EmulationKind::Native) {
    std::string text;
    BuildRequest(text, kind, emulation);
    return FrameForPrinter(kind, text);
}

QString guide(int entry, Region region = Region::English) {
    return qs(GuideText(static_cast<size_t>(entry), region));
}

QString textOf(QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    return label ? label->text() : QString();
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::Active, QPalette::WindowText);
}

std::string pattern(size_t size) {
    std::string bytes;
    for (size_t i = 0; i < size; ++i)
        bytes += static_cast<char>('0' + i % 10);
    return bytes;
}

// The process's current directory moved for one test: Self Info saves relative to it.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path) : previous_(getcwd(nullptr, 0)) {
        EXPECT_EQ(::chdir(path.c_str()), 0);
    }
    ~CurrentFolder() {
        if (previous_ && ::chdir(previous_) != 0) ADD_FAILURE() << "cannot return to " << previous_;
        std::free(previous_);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char* previous_;
};

// Pages that make their controls when first shown show them at once: nothing has asked for a
// control before the tab is chosen.
TEST_F(WindowTest, ToolPagesShowTheirControlsTheFirstTimeTheirTabIsChosen) {
    start("ON");
    person_.fallback = true; // the Advanced warning is accepted
    QTabBar* tabs = window_->tabBar();
    struct Tab {
        TabIndex index;
        std::function<QWidget*()> control;
    };
    const Tab pages[] = {
        {TabIndex::Information, [this] { return window_->informationPage()->control(3001); }},
        {TabIndex::SensorAdjustment, [this] { return window_->calibrationPage()->startButton(); }},
        {TabIndex::PrintTest, [this] { return window_->printPage()->control(1108); }},
        {TabIndex::Advanced, [this] { return window_->advancedPage()->rows()->checkBox(0); }},
    };
    for (const Tab& tab : pages) {
        tabs->setCurrentIndex(static_cast<int>(tab.index));
        QApplication::processEvents();
        QWidget* control = tab.control();
        ASSERT_NE(control, nullptr) << static_cast<int>(tab.index);
        EXPECT_TRUE(control->isVisible()) << static_cast<int>(tab.index);
    }
}

TEST_F(WindowTest, StatusReceiveFillsAndColoursTheRowsOfEachPrinterLanguage) {
    struct Case {
        int model; // its default emulation chooses the query and the reading
        std::vector<std::string> simArgs;
        std::vector<std::pair<int, const char*>> texts; // status text control, text shown
        std::vector<int> red;                           // the others are blue
        bool eplGroup;
    };
    const Case cases[] = {
        {0,
         {"--status", "paper,pause"},
         {{3011, "Yes"}, {3013, "No"}, {3015, "No"}, {3017, "Yes"}, {3019, "No"}},
         {3011, 3017},
         false},
        {1,
         {"--status", "ribbon,waiting"},
         {{3011, "No"}, {3013, "Yes"}, {3015, "No"}, {3017, "No"}, {3019, "Yes"}},
         {3013, 3019},
         false},
        {2,
         {"--epl-code", "07"},
         {{3022, "07"}, {3024, "Paper end / Ribbon end"}},
         {3022, 3024},
         true},
        {2, {"--epl-code", "00"}, {{3022, "00"}, {3024, "No error"}}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simArgs.back());
        reset();
        start("OFF", c.simArgs);
        emit control<QComboBox>(kModelList)->activated(c.model);
        showTab(TabIndex::Information);
        CDlgTabInformation* page = window_->informationPage();
        EXPECT_EQ(page->control(3010)->isEnabled(), !c.eplGroup);
        EXPECT_EQ(page->control(3021)->isEnabled(), c.eplGroup);
        control<QPushButton>(kReceive)->click();
        ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
        EXPECT_EQ(textOf(page->control(3006)), QStringLiteral("A1B2C3D4"));
        for (const auto& [id, text] : c.texts) {
            SCOPED_TRACE(id);
            QWidget* shown = page->control(id);
            EXPECT_EQ(textOf(shown), QString::fromUtf8(text));
            const bool red = std::find(c.red.begin(), c.red.end(), id) != c.red.end();
            EXPECT_EQ(textColour(shown), ToQColor(red ? kRedText : kBlueText));
        }
    }
}

TEST_F(WindowTest, StatusOnlyAsksNothingAndSendsOnlyTheStatusQuery) {
    start();
    showTab(TabIndex::Information);
    CDlgTabInformation* page = window_->informationPage();
    page->statusOnlyBox()->click();
    control<QPushButton>(kReceive)->click();
    EXPECT_EQ(person_.questions(), 0);
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    EXPECT_EQ(textOf(page->control(3011)), QStringLiteral("No"));
    EXPECT_TRUE(textOf(page->control(3006)).isEmpty());
    EXPECT_TRUE(page->statusOnlyBox()->isChecked()); // a receive keeps the box
    sim_->stop();
    EXPECT_EQ(wire(), framed(RequestKind::Status));
}

TEST_F(WindowTest, BlackMarksSwapTheStepTextsAndPictures) {
    start();
    showTab(TabIndex::SensorAdjustment);
    CDlgTabCalibration* page = window_->calibrationPage();
    auto images = [page] {
        std::array<QImage, 4> shown;
        for (int k = 0; k < 4; ++k)
            shown[static_cast<size_t>(k)] = page->stepPicture(k)->pixmap().toImage();
        return shown;
    };
    auto keys = [page] {
        std::array<qint64, 4> shown{};
        for (int k = 0; k < 4; ++k)
            shown[static_cast<size_t>(k)] = page->stepPicture(k)->pixmap().cacheKey();
        return shown;
    };
    const auto gaps = images();
    for (const QImage& image : gaps)
        EXPECT_FALSE(image.isNull());

    struct Step {
        int guideForGaps;
        int guideForMarks;
        bool samePicture;
    };
    const Step steps[] = {{2, 4, true}, {5, 6, false}, {7, 8, false}, {9, 9, true}};
    page->mediaButton(1)->click();
    EXPECT_EQ(model_->calibration.mediaKind(), 1);
    const auto marks = images();
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const Step& step = steps[k];
        EXPECT_EQ(page->stepText(k)->text(), guide(step.guideForMarks));
        EXPECT_EQ(marks[static_cast<size_t>(k)] == gaps[static_cast<size_t>(k)], step.samePicture);
    }
    // The selected kind clicked again reloads nothing.
    const auto loaded = keys();
    page->mediaButton(1)->click();
    EXPECT_EQ(keys(), loaded);

    page->mediaButton(0)->click();
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(page->stepText(k)->text(), guide(steps[k].guideForGaps));
        EXPECT_EQ(page->stepPicture(k)->pixmap().toImage(), gaps[static_cast<size_t>(k)]);
    }
}

TEST_F(WindowTest, OutsideEnglishTheThirdPictureMovesUpByHalfItsText) {
    start();
    showTab(TabIndex::SensorAdjustment);
    CDlgTabCalibration* page = window_->calibrationPage();
    for (Region region : {Region::English, Region::Japanese, Region::Korean}) {
        SCOPED_TRACE(static_cast<int>(region));
        emit control<QComboBox>(kLanguageList)->activated(static_cast<int>(region));
        EXPECT_EQ(page->stepText(3)->text(), guide(9, region));
        EXPECT_EQ(page->mediaButton(0)->isChecked(), true);
        const int textHeight = page->stepText(2)->height();
        const int lift = region == Region::English ? 0 : textHeight / 2;
        EXPECT_EQ(page->stepPicture(2)->y(), page->stepText(2)->y() + textHeight - lift);
        EXPECT_EQ(page->stepPicture(1)->y(), page->stepText(1)->y() + page->stepText(1)->height());
        // The page's content still holds the start button below the steps.
        QApplication::processEvents();
        QPushButton* button = page->startButton();
        EXPECT_LE(button->mapTo(page->content(), QPoint(0, button->height())).y(),
                  page->content()->height());
    }
}

TEST_F(WindowTest, TheAdjustmentStartedFromThePageReportsItsOutcome) {
    struct Case {
        std::vector<std::string> simArgs;
        int guide;
        MessageStyle style;
    };
    const Case cases[] = {
        {{}, 11, MessageStyle::InformationOk},
        {{"--fail-calibration"}, 12, MessageStyle::StopOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guide);
        reset();
        start("OFF", c.simArgs);
        showTab(TabIndex::SensorAdjustment);
        window_->calibrationPage()->startButton()->click();
        ASSERT_EQ(person_.questions(), 1);
        EXPECT_EQ(qs(person_.shown.front().text), guide(10));
        ASSERT_EQ(person_.messages().size(), 1u);
        EXPECT_EQ(qs(person_.messages().front()), guide(c.guide));
        EXPECT_EQ(person_.shown.back().style, c.style);
        sim_->stop();
        EXPECT_TRUE(wire().ends_with(kAdjustmentTail));
    }
}

TEST_F(WindowTest, ExportOnTheSensorAdjustmentTabWritesTheAdjustmentText) {
    start();
    showTab(TabIndex::SensorAdjustment);
    CDlgTabCalibration* page = window_->calibrationPage();
    page->mediaButton(1)->click();
    page->configSetBox()->click();
    const std::string file = tree_.path("adjust.prn");
    person_.files = {file};
    control<QPushButton>(kExport)->click();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    EXPECT_TRUE(bytes.starts_with(CommandPrefix));
    EXPECT_TRUE(bytes.ends_with(kAdjustmentTail));
    EXPECT_NE(bytes.find("MEDIA SENSOR\t:\tREFLECT\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("GLOBAL CONFIG\t:\t"), std::string::npos);
    EXPECT_TRUE(wire().empty()); // nothing went to the printer
}

TEST_F(WindowTest, ExecuteSendsTheTestPrintOfThePrinterLanguage) {
    struct Case {
        int model; // the simulator reports the language of its model
        int radio;
        std::string command;
    };
    const Case cases[] = {
        {0, 1106, "\x02Z\r\n"}, {0, 1107, "\x02\x1bQ4\r\n"},
        {1, 1106, "~WC\n"},     {1, 1107, "~!Q4\n"},
        {2, 1106, "U\n"},       {2, 1107, "~!Q4\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        reset();
        start("OFF", {"--model", std::to_string(c.model)});
        showTab(TabIndex::PrintTest);
        CDlgTabPrint* page = window_->printPage();
        qobject_cast<QRadioButton*>(page->control(c.radio))->click();
        qobject_cast<QPushButton*>(page->control(1108))->click();
        EXPECT_EQ(person_.questions(), 1);
        EXPECT_TRUE(person_.messages().empty());
        sim_->stop();
        EXPECT_EQ(wire(), framed(RequestKind::StandardConfig) + c.command);
    }
}

TEST_F(WindowTest, EnterInTheFileFieldSendsTheTypedFileInBlocks) {
    start();
    showTab(TabIndex::PrintTest);
    const std::string file = tree_.path("label.prn");
    tree_.write("label.prn", pattern(2500));
    CDlgTabPrint* page = window_->printPage();
    qobject_cast<QRadioButton*>(page->control(1086))->click();
    QTest::keyClicks(page->fileField(), qs(file));
    EXPECT_EQ(model_->printTest.fileField(), file);
    QTest::keyClick(page->fileField(), Qt::Key_Return);
    EXPECT_EQ(person_.questions(), 1);
    EXPECT_TRUE(person_.messages().empty());
    EXPECT_EQ(ioLog_.count("Sending"), 3); // 1024 + 1024 + 452
    sim_->stop();
    EXPECT_EQ(wire(), pattern(2500));

    // A model change selects Self Test again and keeps the path.
    emit control<QComboBox>(kModelList)->activated(1);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(page->control(1106))->isChecked());
    EXPECT_EQ(page->fileField()->text(), qs(file));

    // "Browse..." puts the chosen file into the field and remembers its folder.
    tree_.write("labels/other.prn", "x");
    person_.files = {tree_.path("labels/other.prn")};
    qobject_cast<QPushButton*>(page->control(1109))->click();
    EXPECT_EQ(page->fileField()->text(), qs(tree_.path("labels/other.prn")));
    EXPECT_EQ(model_->app().current.defaultFolder, tree_.path("labels") + "/");
}

TEST_F(WindowTest, TheLanguageRelabelsTheToolPages) {
    start();
    CDlgTabInformation* information = window_->informationPage();
    CDlgTabCalibration* calibration = window_->calibrationPage();
    CDlgTabPrint* print = window_->printPage();
    for (Region region : {Region::Japanese, Region::English}) {
        SCOPED_TRACE(static_cast<int>(region));
        emit control<QComboBox>(kLanguageList)->activated(static_cast<int>(region));
        auto item = [region](size_t row, size_t k = 0) {
            return qs(ItemTextsRow(row).label(k, region));
        };
        EXPECT_EQ(qobject_cast<QGroupBox*>(information->control(3001))->title(), item(157));
        EXPECT_EQ(textOf(information->control(3012)), item(150));
        EXPECT_EQ(information->statusOnlyBox()->text(), item(156));
        EXPECT_EQ(calibration->startButton()->text(), item(7, 1));
        EXPECT_EQ(calibration->configSetBox()->text(), item(19));
        EXPECT_EQ(qobject_cast<QPushButton*>(print->control(1109))->text(),
                  qs(PrintItemTexts()[4].label(0, region)));
    }
}

// Every caption of the Information and Print Test pages shows its whole text, inside its page, in
// each language: the template places them for a narrower font.
TEST_F(WindowTest, ToolPageCaptionsAreNotClipped) {
    start();
    for (Region region : {Region::English, Region::Japanese, Region::Chinese, Region::Korean}) {
        emit control<QComboBox>(kLanguageList)->activated(static_cast<int>(region));
        for (TabIndex tab : {TabIndex::Information, TabIndex::PrintTest}) {
            showTab(tab);
            QWidget* page = window_->page(tab);
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                SCOPED_TRACE(label->text().toStdString() + " in language " +
                             std::to_string(static_cast<int>(region)));
                const QRect shown(label->mapTo(page, QPoint(0, 0)), label->size());
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
                EXPECT_GE(shown.left(), 0);
                EXPECT_LE(shown.right(), page->width());
            }
        }
    }
}

TEST_F(WindowTest, SelfInfoShowsTheFetchedTextsAndSavesAfterThreeChecks) {
    app_.current.appMode = "QRVA";
    start();
    const CurrentFolder inTree(tree_.path());
    bool opened = false;
    std::string saved;
    whenSelfInfoOpens([&](CDlgSelfInfo& dialog) {
        opened = true;
        const SelfInfoTexts expected =
            PrepareSelfInfoTexts(model_->machineInformationText(), model_->currentSettingsText());
        ASSERT_NE(expected.machineText.find("Serial Number"), std::string::npos);
        auto lines = [](const std::string& text) {
            return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        };
        EXPECT_EQ(dialog.machineBox()->toPlainText(), lines(expected.machineText));
        EXPECT_EQ(dialog.settingsBox()->toPlainText(), lines(expected.settingsText));
        EXPECT_EQ(dialog.settingsBox()->palette().color(QPalette::Text), ToQColor(kBlueText));
        EXPECT_FALSE(dialog.saveButton()->isEnabled());

        struct Click {
            int box;
            const char* caption;
            bool saveEnabled;
        };
        const Click clicks[] = {{0, "Check1:OK", false},
                                {1, "Check2:OK", false},
                                {2, "Check3:OK", true},
                                {1, "Check2:", false},
                                {1, "Check2:OK", true}};
        for (const Click& click : clicks) {
            SCOPED_TRACE(click.caption);
            QCheckBox* box = dialog.checkBox(click.box);
            box->click();
            EXPECT_EQ(box->text(), QString::fromLatin1(click.caption));
            EXPECT_EQ(textColour(box), box->isChecked() ? QColor(0, 255, 0) : QColor(255, 0, 0));
            EXPECT_EQ(box->palette().color(box->backgroundRole()), QColor(Qt::black));
            EXPECT_EQ(dialog.saveButton()->isEnabled(), click.saveEnabled);
        }
        dialog.saveButton()->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(person_.shown.back().caption, "Save");
        const std::string& message = person_.shown.back().text;
        EXPECT_TRUE(message.ends_with("\" was saved.")) << message;
        saved = message.substr(1, message.rfind('"') - 1);
    });
    control<QPushButton>(kSelfInfo)->click();
    ASSERT_TRUE(opened);

    char day[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(day, sizeof day, "%Y%m%d", std::localtime(&now));
    EXPECT_TRUE(saved.starts_with(std::string(day) + "/RV-940_A1B2C3D4_")) << saved;
    EXPECT_TRUE(saved.ends_with("_.csv")) << saved;
    std::string csv;
    ASSERT_TRUE(readWholeFile(tree_.path(saved), csv));
    EXPECT_TRUE(csv.starts_with("Model Number,")) << csv.substr(0, 40);
    EXPECT_EQ(csv.find("\t:\t"), std::string::npos);
}

TEST(SelfInfoDialog, AFailedSaveSaysWhyAndKeepsTheDialogOpen) {
    TestApplication();
    const std::string machine = "Model Number\t:\tRV-940\r\nSerial Number\t:\tA1B2C3D4"
                                "              \r\nBoot Version\t:\t1.02\r\nEND\r\n";
    struct Case {
        const char* name;
        std::string machineInformation;
        bool dayIsAFile; // a file stands where the day's folder would be
        std::string message;
        std::string title;
    };
    const Case cases[] = {
        {"no model number", "Serial Number\t:\tX\r\nEND\r\n", false, "Error: No \"Model Number\".",
         "Data Error"},
        {"day folder is a file", machine, true, "Error: Failed to open a file.", "File Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempTree tree;
        ScriptedPrompter person;
        const std::time_t now = std::time(nullptr);
        char day[16];
        std::strftime(day, sizeof day, "%Y%m%d", std::localtime(&now));
        if (c.dayIsAFile) tree.write(day, "not a folder");
        CDlgSelfInfo dialog(PrepareSelfInfoTexts(c.machineInformation, "END\r\n"), person, nullptr,
                            tree.path());
        dialog.show();
        for (int k = 0; k < SelfInfoChecks::kCount; ++k)
            dialog.checkBox(k)->click();
        dialog.saveButton()->click();
        ASSERT_EQ(person.messages().size(), 1u);
        EXPECT_EQ(person.messages().front(), c.message);
        EXPECT_EQ(person.shown.front().caption, c.title);
        EXPECT_TRUE(dialog.isVisible());
    }
}

// A serial number that is a terminal escape sequence is shown with its control characters
// escaped, and kept out of the saved file's name.
TEST(SelfInfoDialog, PrinterControlCharactersAreShownEscaped) {
    TestApplication();
    TempTree tree;
    ScriptedPrompter person;
    CDlgSelfInfo dialog(PrepareSelfInfoTexts("Model Number\t:\tRV-940\r\nSerial Number\t:\t"
                                             "\x1b]0;TITLE\a\r\nEND\r\n",
                                             "END\r\n"),
                        person, nullptr, tree.path());
    dialog.show();
    const QString shown = dialog.machineBox()->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("\\x1B]0;TITLE\\x07"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QChar(0x1b)));
    for (int k = 0; k < SelfInfoChecks::kCount; ++k)
        dialog.checkBox(k)->click();
    dialog.saveButton()->click();
    ASSERT_EQ(person.messages().size(), 1u);
    const std::string message = person.messages().front();
    EXPECT_EQ(message.find('\x1b'), std::string::npos) << message;
    EXPECT_NE(message.find("_]0;TITLE_"), std::string::npos) << message;
}

// The template's large font would make the dialog wider than most screens (the offscreen
// screen is 800 x 600): the font shrinks until the whole dialog, Save included, is on it.
TEST(SelfInfoDialog, FitsOnTheScreen) {
    TestApplication();
    TempTree tree;
    ScriptedPrompter person;
    CDlgSelfInfo dialog(PrepareSelfInfoTexts("Model Number\t:\tRV-940\r\nEND\r\n", "END\r\n"),
                        person, nullptr, tree.path());
    dialog.show();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(dialog.width(), room.width());
    EXPECT_LE(dialog.height(), room.height());
    const QRect save = dialog.saveButton()->geometry();
    EXPECT_TRUE(dialog.rect().contains(save)) << save.x() << "," << save.y();
}

} // namespace
} // namespace tessaline::gui
