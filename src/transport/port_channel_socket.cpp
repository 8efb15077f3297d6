#include "transport/channel_clock.h"
#include "transport/exchange_sizes.h"
#include "transport/port_channel.h"

#include <algorithm>

namespace tessaline {
namespace {

constexpr uint32_t kSocketWriteChunk = 1024;
constexpr int kEmptyWaitsBeforeTimeout = 3;

} // namespace

ChannelResult CPortChannel::SendSocket(uint32_t count, const uint8_t* data, uint32_t* sent) {
    if (!socket_.isOpen()) return ChannelCode::InvalidHandle;
    if (!data || !sent || count == 0) return ChannelCode::BadArguments;
    const Millis stallLimit(socketWriteTimeout_);
    uint32_t total = 0;
    ChannelResult result;
    auto lastProgress = ChannelClock::now();
    auto waitingSince = lastProgress;
    while (total < count) {
        // The wait for room ends at the write time-out too, so that a printer that takes
        // nothing for that long ends the send instead of blocking for the whole long wait.
        Millis left = std::min(stallLimit - elapsedSince(lastProgress),
                               setup_.timings.socketWritableLimit - elapsedSince(waitingSince));
        WaitEnd room = waitInSlices(setup_.cancel, std::max(left, Millis(0)),
                                    [this](Millis slice) { return socket_.waitWritable(slice); });
        if (room == WaitEnd::Cancelled) {
            result = ChannelCode::Cancelled;
            break;
        }
        if (room == WaitEnd::Failed) {
            result = ChannelCode::DeviceNotConnected;
            break;
        }
        if (room == WaitEnd::Quiet) {
            if (elapsedSince(waitingSince) > setup_.timings.socketWritableLimit) {
                result = ChannelCode::DeviceNotConnected;
                break;
            }
            if (elapsedSince(lastProgress) > stallLimit) {
                result = ChannelCode::Timeout;
                break;
            }
            continue;
        }
        waitingSince = ChannelClock::now();
        uint32_t chunk = std::min(kSocketWriteChunk, count - total);
        IoResult n = socket_.send(data + total, chunk);
        if (n.failed() || !socket_.pendingError().ok()) {
            result = ChannelCode::DeviceNotConnected;
            break;
        }
        if (n.bytes == 0) {
            if (elapsedSince(lastProgress) > stallLimit) {
                result = ChannelCode::Timeout;
                break;
            }
            continue;
        }
        total += static_cast<uint32_t>(n.bytes);
        lastProgress = ChannelClock::now();
    }
    *sent = total;
    return result;
}

// Waits for data up to the read time-out and takes what is there. Three empty waits in a row end
// the read with a time-out; in the silence class, once data has come, a short empty wait ends
// the reply. A peer that closes the connection ends it with count kPeerClosedCount.
ChannelResult CPortChannel::ReceiveSocket(std::span<uint8_t> reply, uint32_t* count,
                                          RequestKind completionKind) {
    if (!socket_.isOpen()) return ChannelCode::InvalidHandle;
    if (!count || reply.empty()) return ChannelCode::BadArguments;
    *count = 0;
    const ChannelTimings& t = setup_.timings;
    CompletionClass completion = completionClassOf(completionKind);
    ReplyCollector collected(reply);
    const Millis timeout(socketReadTimeout_);
    auto start = ChannelClock::now();
    bool silenceArmed = false;
    int emptyWaits = 0;
    ChannelResult result;
    for (;;) {
        WaitEnd ready = waitInSlices(setup_.cancel, silenceArmed ? t.socketQuietWait : timeout,
                                     [this](Millis slice) { return socket_.waitReadable(slice); });
        if (ready == WaitEnd::Cancelled) {
            result = ChannelCode::Cancelled;
            break;
        }
        if (ready == WaitEnd::Failed) {
            result = ChannelCode::DeviceNotConnected;
            break;
        }
        if (ready == WaitEnd::Quiet) {
            if (silenceArmed) break;
            if (++emptyWaits >= kEmptyWaitsBeforeTimeout) {
                result = ChannelCode::WaitTimeout;
                break;
            }
            if (!pause(t.socketQuietWait)) {
                result = ChannelCode::Cancelled;
                break;
            }
            continue;
        }
        IoResult n = socket_.receive(collected.tail(), collected.space());
        if (n.closed) {
            bytesBeforeClose_ = collected.count();
            *count = kPeerClosedCount;
            return ChannelCode::DeviceNotConnected;
        }
        if (n.failed()) {
            result = ChannelCode::DeviceNotConnected;
            break;
        }
        if (n.bytes == 0) continue; // nothing after all
        if (!socket_.pendingError().ok()) {
            result = ChannelCode::DeviceNotConnected;
            break;
        }
        emptyWaits = 0;
        collected.added(n.bytes);
        if (completion == CompletionClass::Terminator &&
            (collected.endsWithTerminator() || collected.endsWithTerminatorFollowed()))
            break;
        if (completion == CompletionClass::Silence && collected.count() > 2) silenceArmed = true;
        if (collected.full()) break;
        if (elapsedSince(start) > timeout) {
            result = ChannelCode::WaitTimeout;
            break;
        }
    }
    *count = collected.count();
    return result;
}

} // namespace tessaline
