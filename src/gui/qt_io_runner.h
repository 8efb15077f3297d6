#pragma once

#include "session/io_runner.h"

class QWidget;

namespace tessaline::gui {

// Runs each exchange on a worker thread while the window keeps painting: the person's input is
// held back, the cursor is busy, and an exchange longer than a moment shows what is happening.
class QtIoRunner final : public IoRunner {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void run(std::string_view activity, const std::function<void()>& work) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace tessaline::gui
