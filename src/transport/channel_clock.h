#pragma once

#include "transport/channel_timings.h"

#include <chrono>
#include <thread>

namespace tessaline {

using ChannelClock = std::chrono::steady_clock;

inline void pauseFor(Millis pause) {
    std::this_thread::sleep_for(pause);
}

inline Millis elapsedSince(ChannelClock::time_point start) {
    return std::chrono::duration_cast<Millis>(ChannelClock::now() - start);
}

inline int pollMs(Millis wait) {
    return static_cast<int>(wait.count());
}

} // namespace tessaline
