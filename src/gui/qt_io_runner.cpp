#include "gui/qt_io_runner.h"

#include "gui/qt_text.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace tessaline::gui {

namespace {
constexpr int kProgressDelayMs = 500;

// Swallows the person's input while an exchange runs, so nothing is replayed afterwards.
class InputBlocker final : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void QtIoRunner::run(std::string_view activity, const std::function<void()>& work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&work] { work(); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    std::unique_ptr<QProgressDialog> progress;
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, [&] {
        progress = std::make_unique<QProgressDialog>(qs(activity) + QStringLiteral("\u2026"),
                                                     QString(), 0, 0, parent_);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->show();
    });
    delay.start(kProgressDelayMs);
    worker->start();
    {
        // Paint events and timers still run; the person's clicks and keys are dropped.
        const InputBlocker blocker;
        loop.exec();
    }
    worker->wait();
    delay.stop();
    progress.reset();
    QApplication::restoreOverrideCursor();
}

} // namespace tessaline::gui
