#include "gui/window_fixture.h"

#include "gui/com_settings_dlg.h"
#include "gui/dialog_template.h"
#include "gui/dialog_units.h"
#include "gui/dlg_tab_standard.h"
#include "gui/page_colours.h"
#include "gui/row_page_view.h"
#include "gui/spin_edit.h"
#include "pages/standard_page.h"
#include "transport/command_prefix.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>

namespace tessaline::gui {
namespace {

using namespace main_id;

bool mentions(const std::vector<std::string>& messages, const std::string& code) {
    for (const auto& m : messages) {
        if (m.find("code : " + code) != std::string::npos) return true;
    }
    return false;
}

TEST_F(WindowTest, ExportThenImportThroughTheFileDialog) {
    start();
    RowPageView* rows = window_->standardPage()->rows();
    rows->checkBox(standard_row::kPrintSpeed)->click();
    emit rows->valueList(standard_row::kPrintSpeed)->activated(2);
    const std::string file = tree_.path("saved.prn");
    person_.files = {file};
    control<QPushButton>(kExport)->click();
    ASSERT_EQ(person_.fileDialogs.size(), 1u);
    EXPECT_EQ(person_.fileDialogs[0].mode, FileChoice::Mode::Save);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(file, bytes));
    EXPECT_TRUE(bytes.starts_with(CommandPrefix));

    emit control<QComboBox>(kModelList)->activated(model_->model()); // back to the defaults
    EXPECT_FALSE(rows->checkBox(standard_row::kPrintSpeed)->isChecked());
    person_.files = {file};
    control<QPushButton>(kImport)->click();
    ASSERT_TRUE(person_.messages().empty()) << person_.messages().front();
    EXPECT_TRUE(rows->checkBox(standard_row::kPrintSpeed)->isChecked());
    EXPECT_EQ(rows->valueList(standard_row::kPrintSpeed)->currentIndex(), 2);
}

TEST_F(WindowTest, AnInvalidValueIsPaintedRedUntilCorrectedAndNothingIsSent) {
    start();
    RowPageView* rows = window_->standardPage()->rows();
    QCheckBox* box = rows->checkBox(standard_row::kPrintDarkness);
    box->click();
    auto* spin = qobject_cast<SpinEdit*>(rows->edit(standard_row::kPrintDarkness));
    ASSERT_NE(spin, nullptr);
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    edit->clear();
    QTest::keyClicks(edit, "99");
    EXPECT_EQ(model_->standard.rows().state(standard_row::kPrintDarkness).editText, "99");
    control<QPushButton>(kSend)->click();
    EXPECT_TRUE(mentions(person_.messages(), "23"));
    EXPECT_EQ(person_.questions(), 0);
    EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::WindowText), ToQColor(kRedText));
    // Other rows keep the style's colour.
    EXPECT_NE(rows->checkBox(standard_row::kPrintSpeed)
                  ->palette()
                  .color(QPalette::Active, QPalette::WindowText),
              ToQColor(kRedText));

    // A corrected value clears the red at once, and Send goes ahead.
    edit->clear();
    QTest::keyClicks(edit, "12");
    EXPECT_NE(box->palette().color(QPalette::Active, QPalette::WindowText), ToQColor(kRedText));
    person_.answers = {true, true};
    const size_t messages = person_.messages().size();
    control<QPushButton>(kSend)->click();
    EXPECT_EQ(person_.messages().size(), messages);
}

TEST_F(WindowTest, ModelChangeResetsThePagesAndTheCheckAllBox) {
    start();
    auto* checkAll = control<QCheckBox>(kCheckAll);
    checkAll->click();
    RowPageView* rows = window_->standardPage()->rows();
    EXPECT_TRUE(rows->checkBox(standard_row::kConfigSet)->isChecked());
    emit control<QComboBox>(kModelList)->activated(2);
    EXPECT_EQ(model_->model(), 2);
    EXPECT_FALSE(checkAll->isChecked());
    EXPECT_FALSE(rows->checkBox(standard_row::kConfigSet)->isChecked());
    EXPECT_EQ(rows->edit(standard_row::kPrintDarkness)->findChild<QLineEdit*>()->text(),
              QStringLiteral("7")); // the E model's default
}

TEST(ComSettingsDialog, OpensOnTheSettingsAndStoresOnlyOnOk) {
    TestApplication();
    InterfaceSettings settings;
    settings.baudRate = 4800; // not in the list: shown as the last entry
    settings.flowControl = "Q";
    {
        CComSettingsDlg dialog(settings, Region::Japanese);
        auto* baud = qobject_cast<QComboBox*>(dialog.control(157));
        auto* flow = qobject_cast<QComboBox*>(dialog.control(161));
        ASSERT_TRUE(baud && flow);
        EXPECT_EQ(baud->currentText(), QStringLiteral("115200"));
        EXPECT_EQ(flow->count(), 3);
        EXPECT_EQ(flow->currentIndex(), 2);
        emit flow->activated(1);
        dialog.reject();
    }
    EXPECT_EQ(settings.flowControl, "Q");
    EXPECT_EQ(settings.baudRate, 4800);
    {
        CComSettingsDlg dialog(settings, Region::Japanese);
        auto* flow = qobject_cast<QComboBox*>(dialog.control(161));
        flow->setCurrentIndex(1);
        emit flow->activated(1);
        qobject_cast<QPushButton*>(dialog.control(170))->click();
    }
    EXPECT_EQ(settings.flowControl, "H");
    EXPECT_EQ(settings.baudRate, 115200);
}

TEST(DialogTemplates, CompiledTemplatesHoldEveryControl) {
    TestApplication();
    const DialogTemplate& main = CompiledTemplate(QStringLiteral("main_window"));
    EXPECT_EQ(main.width, 471);
    EXPECT_EQ(main.height, 307);
    EXPECT_EQ(main.controls.size(), 30u);
    ASSERT_NE(main.control(133), nullptr);
    EXPECT_EQ(main.control(133)->number(QStringLiteral("limit")), 5);
    const DialogTemplate& serial = CompiledTemplate(QStringLiteral("com_settings"));
    EXPECT_EQ(serial.width, 163);
    EXPECT_EQ(serial.height, 147);
    EXPECT_EQ(serial.controls.size(), 13u);

    struct Case {
        const char* name;
        int width, height;
        size_t controls;
        int probe; // a control and its place
        QRect place;
    };
    const Case cases[] = {
        {"information", 351, 370, 25, 3020, QRect(5, 193, 71, 12)},
        {"print_test", 351, 370, 8, 1109, QRect(285, 208, 44, 18)},
        {"self_info", 397, 231, 8, 1118, QRect(243, 10, 147, 214)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DialogTemplate& t = CompiledTemplate(QString::fromLatin1(c.name));
        EXPECT_EQ(t.width, c.width);
        EXPECT_EQ(t.height, c.height);
        EXPECT_EQ(t.controls.size(), c.controls);
        const TemplateControl* probe = t.control(c.probe);
        ASSERT_NE(probe, nullptr);
        EXPECT_EQ(QRect(probe->x, probe->y, probe->width, probe->height), c.place);
    }
}

TEST(DialogTemplates, MalformedLinesAreRefused) {
    const QString good = QStringLiteral("0\tdialog\tT\t0\t0\t10\t10\tfont=Tahoma 9\n");
    ASSERT_TRUE(ParseDialogTemplate(good));
    EXPECT_EQ(ParseDialogTemplate(good)->fontPoints, 9);
    EXPECT_FALSE(ParseDialogTemplate(good + QStringLiteral("1\tstatic\tx\t1\t2\n")));
    EXPECT_FALSE(ParseDialogTemplate(good + QStringLiteral("a\tstatic\tx\t1\t2\t3\t4\n")));
    EXPECT_FALSE(ParseDialogTemplate(QStringLiteral("1\tstatic\tx\t1\t2\t3\t4\n")));
}

// The template's face where it is installed, else the first installed fallback, alone in the
// font's list; the point size is the template's either way.
TEST(DialogTemplates, DialogFontIsTheFirstInstalledFace) {
    TestApplication();
    const QString fallback = QStringLiteral("DejaVu Sans");
    ASSERT_TRUE(QFontDatabase::families().contains(fallback)) << "the tests need DejaVu Sans";
    const QString installed = QFontDatabase::families().front();
    struct Case {
        QString templateFace;
        QString chosen;
    };
    const Case cases[] = {
        {QStringLiteral("Tahoma"), fallback}, // a Windows face, not installed here
        {QString(), fallback},
        {installed, installed},
        {installed.toUpper(), installed.toUpper()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateFace.toStdString());
        const QFont font = DialogFont(c.templateFace, 9);
        EXPECT_EQ(font.families(), QStringList{c.chosen});
        EXPECT_EQ(font.pointSize(), 9);
        EXPECT_EQ(QFontInfo(font).family().toLower(), c.chosen.toLower());
    }
}

} // namespace
} // namespace tessaline::gui
