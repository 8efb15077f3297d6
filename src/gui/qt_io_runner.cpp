#include "gui/qt_io_runner.h"

#include "gui/qt_text.h"
#include "text/text_tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace tessaline::gui {

namespace {

constexpr std::chrono::milliseconds kProgressDelay{500};
constexpr uint64_t kBytesPerKb = 1024;

OwnMessage taskText(ExchangeTask task) {
    switch (task) {
    case ExchangeTask::SendConfiguration:
        return OwnMessage::ProgressSendingConfiguration;
    case ExchangeTask::SensorAdjustment:
        return OwnMessage::ProgressSensorAdjustment;
    case ExchangeTask::SelfTest:
        return OwnMessage::ProgressSelfTest;
    case ExchangeTask::Sample:
        return OwnMessage::ProgressSample;
    case ExchangeTask::PrintFile:
        return OwnMessage::ProgressPrintFile;
    case ExchangeTask::Receive:
        break;
    }
    return OwnMessage::ProgressReceiving;
}

// Whole KB, rounded up, so that a started block counts.
qulonglong kilobytes(uint64_t bytes) {
    return static_cast<qulonglong>((bytes + kBytesPerKb - 1) / kBytesPerKb);
}

} // namespace

// Swallows the person's input while an exchange runs, so nothing is replayed afterwards; only the
// progress box takes input. Escape and the window's close box cancel the call.
class QtIoRunner::InputFilter final : public QObject {
public:
    explicit InputFilter(QtIoRunner& runner) : runner_(runner) { qApp->installEventFilter(this); }
    ~InputFilter() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                runner_.cancelCall();
                return true;
            }
            return !inProgressBox(target);
        case QEvent::Close:
            static_cast<QCloseEvent*>(event)->ignore();
            if (isWindow(target))
                runner_.closeRequested();
            else if (inProgressBox(target))
                runner_.cancelCall();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return !inProgressBox(target);
        default:
            return false;
        }
    }

private:
    bool inProgressBox(QObject* target) const {
        const QWidget* box = runner_.progress_.get();
        if (!box) return false;
        for (QObject* o = target; o; o = o->parent())
            if (o == box || o == box->windowHandle()) return true;
        return false;
    }
    bool isWindow(QObject* target) const {
        const QWidget* window = runner_.parent_;
        return window && (target == window || target == window->windowHandle());
    }

    QtIoRunner& runner_;
};

QtIoRunner::QtIoRunner() = default;
QtIoRunner::~QtIoRunner() = default;

QString QtIoRunner::label(std::string_view activity) const {
    if (!call_) return qs(activity) + QStringLiteral("\u2026");
    if (call_->cancelled)
        return qs(OwnMessageText(OwnMessage::ProgressCancelling, region())) +
               QStringLiteral("\u2026");
    QString text = qs(OwnMessageText(taskText(call_->task), region()));
    if (call_->task == ExchangeTask::PrintFile)
        text = text.arg(kilobytes(call_->done)).arg(kilobytes(call_->total));
    return text + QStringLiteral("\u2026");
}

void QtIoRunner::showProgress(std::string_view activity) {
    if (progress_) return;
    const QString cancel =
        call_ ? qs(OwnMessageText(OwnMessage::ProgressCancel, region())) : QString();
    progress_ = std::make_unique<QProgressDialog>(label(activity), cancel, 0, 0, parent_);
    progress_->setWindowTitle(QApplication::applicationName());
    // The box stays up, saying it cancels, until the call has ended.
    QObject::disconnect(progress_.get(), &QProgressDialog::canceled, progress_.get(),
                        &QProgressDialog::cancel);
    QObject::connect(progress_.get(), &QProgressDialog::canceled, progress_.get(),
                     [this] { cancelCall(); });
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->show();
}

void QtIoRunner::cancelCall() {
    if (!call_ || call_->cancelled) return;
    call_->cancelled = true;
    if (call_->cancel) call_->cancel();
    if (progress_) {
        progress_->setLabelText(label({}));
        if (auto* button = progress_->findChild<QPushButton*>()) button->setEnabled(false);
    }
}

void QtIoRunner::closeRequested() {
    closePending_ = true;
    cancelCall();
}

// The close the person asked for, once nothing runs: posted, so that the command that ran ends
// first.
void QtIoRunner::closeWhenIdle() {
    if (!closePending_) return;
    if (!parent_) {
        closePending_ = false;
        return;
    }
    QTimer::singleShot(0, parent_, [this] {
        closePending_ = false;
        if (parent_) parent_->close();
    });
}

void QtIoRunner::callStarted(ExchangeTask task, std::function<void()> cancel) {
    call_ = Call{task, std::move(cancel), std::chrono::steady_clock::now()};
}

void QtIoRunner::callProgress(uint64_t done, uint64_t total) {
    if (!call_) return;
    call_->done = done;
    call_->total = std::max(total, done);
    if (progress_ && !call_->cancelled) progress_->setLabelText(label({}));
}

void QtIoRunner::callEnded() {
    call_.reset();
    progress_.reset();
    closeWhenIdle();
}

void QtIoRunner::run(std::string_view activity, const std::function<void()>& work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&work] { work(); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    // The box appears half a second into the call, whichever step runs then.
    auto delay = kProgressDelay;
    if (call_)
        delay = std::max(std::chrono::milliseconds(0),
                         kProgressDelay - std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now() - call_->started));
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [this, activity] { showProgress(activity); });
    if (!progress_) timer.start(delay);
    worker->start();
    {
        // Paint events and timers still run; the person's clicks and keys are dropped.
        const InputFilter filter(*this);
        loop.exec();
    }
    worker->wait();
    timer.stop();
    QApplication::restoreOverrideCursor();
    if (!call_) {
        progress_.reset();
        closeWhenIdle();
    }
}

} // namespace tessaline::gui
