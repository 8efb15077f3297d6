#include "gui/window_fixture.h"

#include "gui/after_first_frame.h"
#include "gui/queue_listing.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <future>
#include <memory>

namespace tessaline::gui {
namespace {

using namespace main_id;

// A queue listing that takes as long as the test wants: it ends once opened (at the latest
// when the gate goes, so that no window waits for it for ever).
class Gate {
public:
    ~Gate() { open(); }
    void open() {
        if (!opened_.exchange(true)) promise_.set_value();
    }
    // A lister that waits for the gate, then reports through `listed` and returns `table`.
    std::function<QueueTable()> lister(QueueTable table) {
        return [done = promise_.get_future().share(), listed = listed_, table] {
            done.wait();
            listed->store(true);
            return table;
        };
    }
    bool listed() const { return listed_->load(); }

private:
    std::promise<void> promise_;
    std::atomic<bool> opened_{false};
    std::shared_ptr<std::atomic<bool>> listed_ = std::make_shared<std::atomic<bool>>(false);
};

QueueTable threeQueues() {
    QueueTable table;
    table.names = {"first", "second", "third"};
    for (const std::string& name : table.names) {
        table.ports[name] = "127.0.0.1, 9101";
        table.kinds[name] = 5;
    }
    table.defaultQueue = "third";
    return table;
}

QString labelText(QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    return label ? label->text() : QString();
}

class LateQueuesTest : public WindowTest {
protected:
    // A window whose queues are listed by `gate`'s lister; the saved queue is "second".
    void open(Gate& gate) {
        app_.current.portType = PortType::Printer;
        app_.current.portName = "second";
        MainWindowServices services = testServices(app_, tree_, person_, ioLog_, session_, spooler_,
                                                   "tessaline-gui-test-recv-");
        services.queuesListedLater = true;
        model_ = std::make_unique<MainWindowModel>(app_, services);
        window_ = std::make_unique<CBrightwickDlg>(*model_, nullptr, person_);
        io_.setParentWindow(window_.get());
        new QueueListing(*window_, gate.lister(threeQueues()));
    }
};

TEST_F(LateQueuesTest, WindowIsPaintedBeforeASlowListingEndsAndTheListFillsWhenItArrives) {
    Gate gate;
    open(gate);
    bool painted = false;
    AfterFirstFrame(window_.get(), [&painted] { painted = true; });
    window_->show();
    ASSERT_TRUE(QTest::qWaitFor([&painted] { return painted; }, 10000));
    auto* queues = control<QComboBox>(kQueueList);
    EXPECT_FALSE(gate.listed());
    EXPECT_EQ(queues->count(), 0);

    gate.open();
    ASSERT_TRUE(QTest::qWaitFor([queues] { return queues->count() == 3; }, 10000));
    // The saved queue is selected, not the first one nor the default, as at a start with the
    // queues at hand.
    EXPECT_EQ(queues->currentText(), QStringLiteral("second"));
    EXPECT_EQ(model_->interfaces().queues().text(), "second");
    EXPECT_EQ(app_.current.portName, "second");
    EXPECT_EQ(app_.current.portType, PortType::Printer);
    EXPECT_EQ(app_.driverPort.kind, PortType::Network);
    EXPECT_EQ(labelText(window_->control(kQueueDescription)), QStringLiteral("127.0.0.1, 9101"));
}

// Queues that arrive while an exchange runs wait for its end: the exchange reads the interface
// settings on its own thread.
TEST_F(LateQueuesTest, QueuesArrivingDuringAnExchangeAreShownAfterIt) {
    Gate gate;
    sim_ = std::make_unique<SimProcess>(
        std::vector<std::string>{"--tcp", "127.0.0.1:0", "--delay", "300"});
    ASSERT_TRUE(sim_->running());
    open(gate);
    model_->ChooseInterface(InterfacePanel::IpAddress);
    model_->interfaces().setAddress("127.0.0.1");
    model_->interfaces().typeTcpPort(std::to_string(sim_->port()));
    window_->refresh();
    window_->show();

    // Polls while the exchange runs: the listing ends early in it.
    bool listedDuringExchange = false, shownDuringExchange = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QApplication::overrideCursor()) return; // no exchange under way
        gate.open();
        listedDuringExchange = listedDuringExchange || gate.listed();
        shownDuringExchange = shownDuringExchange || !model_->interfaces().queues().entries.empty();
    });
    poll.start(20);
    control<QPushButton>(kReceive)->click();
    poll.stop();
    EXPECT_TRUE(listedDuringExchange);
    EXPECT_FALSE(shownDuringExchange);
    EXPECT_EQ(control<QComboBox>(kQueueList)->count(), 3);
    EXPECT_EQ(model_->interfaces().group(), InterfacePanel::IpAddress);
    EXPECT_EQ(app_.current.portType, PortType::Network);
}

} // namespace
} // namespace tessaline::gui
