#include "transport/channel_clock.h"
#include "transport/port_channel.h"

#include <algorithm>

namespace tessaline {
namespace {

constexpr uint32_t kLineWriteChunk = 1024; // serial and parallel
constexpr uint32_t kUsbWriteChunk = 512;
constexpr size_t kUsbReadChunk = 1024;

// A failed read reports the system's error; without one, the time-out.
ChannelResult failedRead(int osError) {
    return osError ? ChannelResult::System(osError) : ChannelResult(ChannelCode::WaitTimeout);
}

} // namespace

ChannelResult CPortChannel::WritePort(const uint8_t* data, uint32_t count, uint32_t* written) {
    if (!device_.isOpen()) return ChannelCode::InvalidHandle;
    if (!data || !written) return ChannelCode::BadArguments;
    if (count == 0) {
        *written = 0;
        return ChannelCode::Ok;
    }
    return openKind_ == InterfaceKind::Usb ? writeUsb(data, count, written)
                                           : writeLine(data, count, written);
}

// Serial and parallel: chunks of 1024 bytes, each given a short while to go out; a line that
// takes nothing for longer than the write time-out is busy (typically held by its handshake).
ChannelResult CPortChannel::writeLine(const uint8_t* data, uint32_t count, uint32_t* written) {
    const Millis stallLimit(serialWriteTimeout_);
    uint32_t total = 0;
    ChannelResult result;
    auto lastProgress = ChannelClock::now();
    while (total < count) {
        uint32_t chunk = std::min(kLineWriteChunk, count - total);
        WaitEnd room = waitInSlices(setup_.cancel, setup_.timings.serialChunkWriteLimit,
                                    [this](Millis slice) { return device_.waitWritable(slice); });
        if (room == WaitEnd::Cancelled) {
            result = ChannelCode::Cancelled;
            break;
        }
        size_t n = room == WaitEnd::Ready ? device_.write(data + total, chunk).bytes : 0;
        if (n > 0) {
            total += static_cast<uint32_t>(n);
            lastProgress = ChannelClock::now();
        } else if (elapsedSince(lastProgress) > stallLimit) {
            result = ChannelCode::Busy;
            break;
        }
    }
    if (total != 0) *written = total;
    return total == count ? ChannelResult() : result;
}

// USB: chunks of 512 bytes; a chunk not taken within the USB write time-out ends the write.
ChannelResult CPortChannel::writeUsb(const uint8_t* data, uint32_t count, uint32_t* written) {
    const Millis limit(usbWriteTimeout_);
    uint32_t total = 0;
    ChannelResult result;
    while (total < count && result.ok()) {
        uint32_t chunkEnd = std::min(total + kUsbWriteChunk, count);
        auto start = ChannelClock::now();
        while (total < chunkEnd) {
            Millis left = limit - elapsedSince(start);
            if (left.count() < 0) {
                result = ChannelCode::Timeout;
                break;
            }
            WaitEnd room = waitInSlices(
                setup_.cancel, left, [this](Millis slice) { return device_.waitWritable(slice); });
            if (room != WaitEnd::Ready) {
                result = room == WaitEnd::Cancelled ? ChannelCode::Cancelled : ChannelCode::Timeout;
                break;
            }
            IoResult n = device_.write(data + total, chunkEnd - total);
            if (n.failed()) {
                result = ChannelResult::System(n.error);
                break;
            }
            total += static_cast<uint32_t>(n.bytes);
        }
    }
    if (total != 0) *written = total;
    return result;
}

ChannelResult CPortChannel::ReadPort(std::span<uint8_t> reply, uint32_t* count,
                                     RequestKind completionKind) {
    if (!device_.isOpen()) return ChannelCode::InvalidHandle;
    if (!count || reply.empty()) return ChannelCode::BadArguments;
    *count = 0;
    CompletionClass completion = completionClassOf(completionKind);
    switch (openKind_) {
    case InterfaceKind::Serial:
        return readSerial(reply, count, completion);
    case InterfaceKind::Parallel:
        return readParallel(reply, count, completion);
    default:
        return readUsb(reply, count, completion);
    }
}

// Serial: look at the input queue, read exactly what is queued, pause, and again. The read ends
// on the terminator, on silence (silence class), at the read time-out or with a full buffer; a
// reply still coming at the reply deadline reports nothing.
// A failed or cancelled read reports nothing, even when data had arrived.
ChannelResult CPortChannel::readSerial(std::span<uint8_t> reply, uint32_t* count,
                                       CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(serialReadTimeout_);
    auto start = ChannelClock::now();
    for (;;) {
        if (elapsedSince(start) > setup_.timings.replyDeadline) return ChannelCode::WaitTimeout;
        IoResult queued = device_.queuedInput();
        if (queued.failed()) return failedRead(queued.error);
        if (queued.bytes == 0) {
            if (completion == CompletionClass::Silence && collected.count() > 2) break;
            if (elapsedSince(start) > timeout) break;
        } else {
            size_t wanted = std::min(queued.bytes, collected.space());
            IoResult n = device_.readAvailable(collected.tail(), wanted);
            if (n.failed()) return failedRead(n.error);
            collected.added(n.bytes);
            if (n.bytes >= 2 && completion == CompletionClass::Terminator &&
                collected.completeAtTerminator())
                break;
            if (collected.full()) break;
        }
        if (!pause(setup_.timings.serialPollPause)) return ChannelCode::Cancelled;
    }
    if (collected.count() == 0) return ChannelCode::WaitTimeout;
    *count = collected.count();
    return ChannelCode::Ok;
}

// Parallel: a short pause, then reads of what is there with pauses between them. A read that
// brings fewer than two bytes counts as silence and is when the time-out is tested. A failed or
// cancelled read reports nothing, even when data had arrived.
ChannelResult CPortChannel::readParallel(std::span<uint8_t> reply, uint32_t* count,
                                         CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(serialReadTimeout_);
    auto start = ChannelClock::now();
    if (!pause(setup_.timings.parallelFirstPause)) return ChannelCode::Cancelled;
    for (;;) {
        if (elapsedSince(start) > setup_.timings.replyDeadline) return ChannelCode::WaitTimeout;
        IoResult n = device_.readAvailable(collected.tail(), collected.space());
        if (n.failed()) return failedRead(n.error);
        collected.added(n.bytes);
        if (n.bytes >= 2) {
            if (completion == CompletionClass::Terminator && collected.completeAtTerminator())
                break;
        } else {
            if (completion == CompletionClass::Silence && collected.count() > 2) break;
            if (elapsedSince(start) > timeout) break;
        }
        if (collected.full()) break;
        if (!pause(setup_.timings.parallelPollPause)) return ChannelCode::Cancelled;
    }
    if (collected.count() == 0) return ChannelCode::WaitTimeout;
    *count = collected.count();
    return ChannelCode::Ok;
}

// USB: look at the port every 50 ms and take up to 1024 bytes of what is there. The time-out
// is tested after every look. Whatever the end, the count is what arrived.
ChannelResult CPortChannel::readUsb(std::span<uint8_t> reply, uint32_t* count,
                                    CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(usbReadTimeout_);
    auto start = ChannelClock::now();
    ChannelResult result;
    for (;;) {
        size_t wanted = std::min(kUsbReadChunk, collected.space());
        IoResult n = device_.readAvailable(collected.tail(), wanted);
        if (n.failed()) {
            result = failedRead(n.error);
            break;
        }
        if (n.bytes > 0) {
            collected.added(n.bytes);
            if (completion == CompletionClass::Terminator && collected.endsWithTerminator()) break;
            if (collected.full()) break;
        } else if (completion == CompletionClass::Silence && collected.count() > 2) {
            break;
        }
        if (elapsedSince(start) > timeout) {
            result = ChannelCode::WaitTimeout;
            break;
        }
        if (!pause(setup_.timings.usbPollPause)) {
            result = ChannelCode::Cancelled;
            break;
        }
    }
    *count = collected.count();
    return result;
}

} // namespace tessaline
