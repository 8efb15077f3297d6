#pragma once

#include "platform/io_result.h"
#include "transport/cancel_token.h"
#include "transport/channel_timings.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tessaline {

using ChannelClock = std::chrono::steady_clock;

// The longest a readiness wait runs before the cancel token is looked at again.
inline constexpr Millis kCancelCheckSlice{20};

inline Millis elapsedSince(ChannelClock::time_point start) {
    return std::chrono::duration_cast<Millis>(ChannelClock::now() - start);
}

inline bool isCancelled(const CancelToken* cancel) {
    return cancel && cancel->cancelled();
}

// Pauses for `pause`; false, as soon as it happens, when `cancel` is cancelled.
inline bool pauseFor(const CancelToken* cancel, Millis pause) {
    if (!cancel) {
        std::this_thread::sleep_for(pause);
        return true;
    }
    return cancel->pauseFor(pause);
}

enum class WaitEnd { Ready, Quiet, Failed, Cancelled };

// Waits up to `limit` (without end when negative) by calling `waitOnce(slice)`, which returns a
// Readiness, in slices short enough that a cancel is noticed within one slice.
template <typename WaitOnce>
WaitEnd waitInSlices(const CancelToken* cancel, Millis limit, WaitOnce&& waitOnce) {
    auto ended = [](Readiness r) {
        return r == Readiness::Ready ? WaitEnd::Ready : WaitEnd::Failed;
    };
    if (!cancel) {
        Readiness r = waitOnce(limit);
        return r == Readiness::Quiet ? WaitEnd::Quiet : ended(r);
    }
    const bool endless = limit.count() < 0;
    const auto start = ChannelClock::now();
    for (;;) {
        if (cancel->cancelled()) return WaitEnd::Cancelled;
        Millis slice = kCancelCheckSlice;
        if (!endless) slice = std::clamp(limit - elapsedSince(start), Millis(0), slice);
        Readiness r = waitOnce(slice);
        if (r != Readiness::Quiet) return ended(r);
        if (!endless && elapsedSince(start) >= limit) return WaitEnd::Quiet;
    }
}

} // namespace tessaline
