#pragma once

#include <atomic>
#include <functional>
#include <memory>

namespace tessaline {

// The exit status of a program the person interrupted (Ctrl+C): 128 plus the signal's number, as
// shells report it.
inline constexpr int kInterruptedExitStatus = 130;

// Hears the person's interrupt (Ctrl+C) while it lives, one at a time per program. The first
// interrupt runs `onInterrupt` on the watch's own thread; when that answers false (nothing was
// running that it could end), or at a second interrupt, the program ends at once with
// kInterruptedExitStatus.
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<bool()> onInterrupt);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // An interrupt came.
    bool interrupted() const { return interrupted_.load(); }

private:
    struct Watcher;
    std::atomic<bool> interrupted_{false};
    std::unique_ptr<Watcher> watcher_;
};

} // namespace tessaline
