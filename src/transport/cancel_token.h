#pragma once

#include "transport/channel_timings.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace tessaline {

// Lets another thread end a printer exchange early. The channel checks it at every pause and
// between the short slices of every wait, so a cancelled exchange ends within a fraction of a
// second with its interface closed.
class CancelToken {
public:
    // Asks every wait that looks at this token to end; safe from any thread.
    void cancel() {
        {
            std::lock_guard lock(mutex_);
            cancelled_.store(true);
        }
        woken_.notify_all();
    }
    bool cancelled() const { return cancelled_.load(); }
    // Makes the token usable for the next exchange.
    void reset() { cancelled_.store(false); }

    // Pauses for `pause`, or less when cancelled; false when cancelled.
    bool pauseFor(Millis pause) const {
        std::unique_lock lock(mutex_);
        return !woken_.wait_for(lock, pause, [this] { return cancelled_.load(); });
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable woken_;
    std::atomic<bool> cancelled_{false};
};

} // namespace tessaline
