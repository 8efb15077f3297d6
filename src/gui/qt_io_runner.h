#pragma once

#include "session/io_runner.h"
#include "text/region.h"

#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QProgressDialog;
class QWidget;

namespace tessaline::gui {

// Runs each exchange on a worker thread while the window keeps painting: the person's input is
// held back, the cursor is busy, and a call longer than half a second shows a progress box that
// names its task in the person's language. Cancel, Escape and the window's close box cancel the
// call; a close asked for during a call is carried out once the call has ended.
class QtIoRunner final : public IoRunner {
public:
    QtIoRunner();
    ~QtIoRunner() override;

    void setParentWindow(QWidget* window) { parent_ = window; }
    // The language of the progress box's texts; English until set.
    void setLanguage(std::function<Region()> region) { region_ = std::move(region); }

    void run(std::string_view activity, const std::function<void()>& work) override;
    void callStarted(ExchangeTask task, std::function<void()> cancel) override;
    void callProgress(uint64_t done, uint64_t total) override;
    void callEnded() override;

    // The person closed the window during an exchange; the close follows once it has ended.
    bool closePending() const { return closePending_; }
    // Cancels the running call as its Cancel button does.
    void cancelCall();

private:
    class InputFilter;
    struct Call {
        ExchangeTask task;
        std::function<void()> cancel;
        std::chrono::steady_clock::time_point started;
        uint64_t done = 0;
        uint64_t total = 0;
        bool cancelled = false;
    };

    Region region() const { return region_ ? region_() : Region::English; }
    QString label(std::string_view activity) const;
    void showProgress(std::string_view activity);
    void closeRequested();
    void closeWhenIdle();

    QPointer<QWidget> parent_;
    std::function<Region()> region_;
    std::optional<Call> call_;
    std::unique_ptr<QProgressDialog> progress_;
    bool closePending_ = false;
};

} // namespace tessaline::gui
