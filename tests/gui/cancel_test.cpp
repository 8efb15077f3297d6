// Cancelling an exchange from the window: the progress box names the task in the person's
// language, and its Cancel button, Escape and the window's close box end the exchange at once
// with the interface closed.

#include "gui/window_fixture.h"

#include "pages/print_test_page.h"

#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

namespace tessaline::gui {
namespace {

using namespace main_id;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

QProgressDialog* shownProgressBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QProgressDialog*>(w); box && box->isVisible()) return box;
    return nullptr;
}

std::set<std::filesystem::path> filesIn(const std::string& folder) {
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        files.insert(entry.path());
    return files;
}

enum class CancelBy { Button, Escape };

// Once the progress box shows, notes its text and cancels the way the person does; `cancelled`
// is when.
void cancelWhenTheBoxShows(QObject* owner, CancelBy by, QString& label,
                           Clock::time_point& cancelled) {
    auto* timer = new QTimer(owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, by, &label, &cancelled] {
        QProgressDialog* box = shownProgressBox();
        if (!box) return;
        timer->stop();
        timer->deleteLater();
        label = box->labelText();
        cancelled = Clock::now();
        if (by == CancelBy::Escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            auto* button = box->findChild<QPushButton*>();
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    timer->start();
}

TEST_F(WindowTest, CancelEndsASilentReceiveASensorAdjustmentAndAPrintFile) {
    struct Case {
        const char* name;
        std::vector<std::string> simArgs;
        TabIndex tab;
        Region region;
        CancelBy by;
        std::string task; // the progress box's text, up to its numbers
        std::string said;
    };
    const Case cases[] = {
        {"receive",
         {"--silent"},
         TabIndex::Standard,
         Region::English,
         CancelBy::Button,
         "Receiving\u2026",
         "Cancelled."},
        {"sensor adjustment",
         {"--silent"},
         TabIndex::SensorAdjustment,
         Region::Japanese,
         CancelBy::Escape,
         "センサー調整中\u2026",
         "キャンセルしました。"},
        // A printer that stops reading holds the print file's blocks back.
        {"print file",
         {"--stop-reading"},
         TabIndex::PrintTest,
         Region::English,
         CancelBy::Button,
         "Sending the print file ",
         "Cancelled."},
    };
    const std::string printFile = tree_.path("big.prn");
    {
        std::ofstream big(printFile, std::ios::binary);
        const std::string block(1 << 20, 'x');
        for (int i = 0; i < 16; ++i)
            big << block;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        start("OFF", c.simArgs);
        person_.fallback = true;
        emit control<QComboBox>(kLanguageList)->activated(static_cast<int>(c.region));
        showTab(c.tab);
        model_->printTest.setPrintMode(PrintMode::SendFile);
        model_->printTest.setFileField(printFile);
        const auto before = filesIn(tree_.path());
        const size_t shownBefore = person_.messages().size();

        QString label;
        Clock::time_point cancelled{};
        cancelWhenTheBoxShows(window_.get(), c.by, label, cancelled);
        const auto started = Clock::now();
        control<QPushButton>(c.tab == TabIndex::Standard ? kReceive : kSend)->click();
        const auto ended = Clock::now();

        ASSERT_NE(cancelled, Clock::time_point{}) << "no progress box";
        EXPECT_GE(cancelled - started, 400ms); // not before half a second
        EXPECT_LT(ended - cancelled, 1500ms);
        EXPECT_TRUE(label.startsWith(QString::fromStdString(c.task))) << label.toStdString();
        EXPECT_EQ(shownProgressBox(), nullptr);
        EXPECT_EQ(session_->openKind(), InterfaceKind::None);
        ASSERT_EQ(person_.messages().size(), shownBefore + 1);
        EXPECT_EQ(person_.messages().back(), c.said);
        EXPECT_EQ(filesIn(tree_.path()), before);
    }
}

TEST_F(WindowTest, PrintFileProgressCountsTheKilobytesSent) {
    start("OFF", {"--stop-reading"});
    const std::string printFile = tree_.path("big.prn");
    {
        std::ofstream big(printFile, std::ios::binary);
        big << std::string(16 << 20, 'x');
    }
    showTab(TabIndex::PrintTest);
    model_->printTest.setPrintMode(PrintMode::SendFile);
    model_->printTest.setFileField(printFile);
    QString label;
    Clock::time_point cancelled{};
    cancelWhenTheBoxShows(window_.get(), CancelBy::Button, label, cancelled);
    control<QPushButton>(kSend)->click();
    static const QRegularExpression counted(
        QStringLiteral("^Sending the print file (\\d+) of 16384 KB\u2026$"));
    const QRegularExpressionMatch match = counted.match(label);
    ASSERT_TRUE(match.hasMatch()) << label.toStdString();
    EXPECT_GT(match.captured(1).toInt(), 0);
    EXPECT_LT(match.captured(1).toInt(), 16384);
}

// The close box during an exchange cancels it, says nothing of the cancel, and closes the window
// once the exchange has ended.
TEST_F(WindowTest, TheCloseBoxDuringAnExchangeCancelsItAndThenCloses) {
    start("OFF", {"--silent"});
    Clock::time_point closed{};
    auto* poll = new QTimer(window_.get());
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, &closed] {
        if (!shownProgressBox()) return;
        poll->stop();
        closed = Clock::now();
        window_->close();
    });
    poll->start(20);
    control<QPushButton>(kReceive)->click();
    const auto ended = Clock::now();
    ASSERT_NE(closed, Clock::time_point{});
    EXPECT_LT(ended - closed, 1500ms);
    EXPECT_TRUE(window_->isVisible()); // the command ends first
    EXPECT_TRUE(person_.messages().empty()) << person_.messages().front();
    EXPECT_EQ(session_->openKind(), InterfaceKind::None);
    const auto limit = Clock::now() + 2s;
    while (window_->isVisible() && Clock::now() < limit)
        QTest::qWait(20);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(io_.closePending());
}

} // namespace
} // namespace tessaline::gui
