#include "gui/window_fixture.h"

#include "gui/dlg_tab_standard.h"
#include "gui/row_page_view.h"
#include "pages/standard_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gmock/gmock.h>

namespace tessaline::gui {
namespace {

using namespace main_id;
using ::testing::MatchesRegex;

// After each command that worked, the line at the bottom of the window says what was done,
// where and when, in the window's language; a failure leaves no earlier success standing.
TEST_F(WindowTest, TheStatusLineSaysWhatWasDoneWhereAndWhen) {
    start();
    auto* status = window_->findChild<QLabel*>(QStringLiteral("statusLine"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QString());
    const std::string where = "127\\.0\\.0\\.1:" + std::to_string(sim_->port());
    const std::string time = ", [0-9][0-9]:[0-9][0-9]\\.";
    const std::string file = tree_.path("sent.prn");

    window_->standardPage()->rows()->checkBox(standard_row::kPrintSpeed)->click();
    person_.answers = {true};
    control<QPushButton>(kSend)->click();
    EXPECT_THAT(status->text().toStdString(),
                MatchesRegex("Configuration sent to " + where + " \\([0-9]+ settings\\)" + time));

    person_.files = {file};
    control<QPushButton>(kExport)->click();
    EXPECT_THAT(status->text().toStdString(),
                MatchesRegex("Configuration exported to " + file + time));

    person_.files = {file};
    control<QPushButton>(kImport)->click();
    EXPECT_THAT(status->text().toStdString(), MatchesRegex(file + " imported" + time));

    person_.answers = {true};
    control<QPushButton>(kReceive)->click();
    EXPECT_THAT(status->text().toStdString(), MatchesRegex("Received from " + where + time));

    emit control<QComboBox>(kLanguageList)->activated(static_cast<int>(Region::Japanese));
    EXPECT_THAT(status->text().toStdString(), MatchesRegex(where + " から受信しました、.*"));

    person_.files = {tree_.path("missing.prn")};
    control<QPushButton>(kImport)->click();
    EXPECT_EQ(status->text(), QString());
}

} // namespace
} // namespace tessaline::gui
