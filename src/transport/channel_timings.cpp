#include "transport/channel_timings.h"

#include <algorithm>

namespace tessaline {

ChannelTimings ChannelTimings::scaled(double factor) const {
    auto scale = [factor](Millis value) {
        return Millis(std::max<long long>(1, static_cast<long long>(value.count() * factor)));
    };
    ChannelTimings t = *this;
    for (Millis* value :
         {&t.serialPollPause, &t.parallelFirstPause, &t.parallelPollPause, &t.usbPollPause,
          &t.socketQuietWait, &t.drainWait, &t.drainLimit, &t.echoLimit, &t.usbResolveLimit,
          &t.usbResolveRetry, &t.serialChunkWriteLimit, &t.writeStallLimit, &t.socketWritableLimit,
          &t.readTimeout, &t.sensorReadTimeout, &t.socketReadTimeout, &t.usbMinReadTimeout,
          &t.replyDeadline})
        *value = scale(*value);
    return t;
}

} // namespace tessaline
