#pragma once

// An action run once a window's first frame, its children included, has been painted.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tessaline::gui {

class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The paint that starts now paints the children too; the action runs once it has ended.
        if (event->type() == QEvent::Paint && action_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> action = std::exchange(action_, nullptr);
                deleteLater();
                action();
            });
        }
        return false;
    }

private:
    std::function<void()> action_;
};

inline void AfterFirstFrame(QWidget* window, std::function<void()> action) {
    new FirstFrameWatch(window, std::move(action));
}

} // namespace tessaline::gui
