#include "transport/channel_clock.h"
#include "transport/port_channel.h"
#include "transport/result_codes.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace tessaline {
namespace {

constexpr uint32_t kLineWriteChunk = 1024; // serial and parallel
constexpr uint32_t kUsbWriteChunk = 512;
constexpr size_t kUsbReadChunk = 1024;

bool transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

// Waits until `fd` takes data, at most `limit`.
bool waitWritable(int fd, Millis limit) {
    pollfd waiting{fd, POLLOUT, 0};
    return ::poll(&waiting, 1, pollMs(limit)) > 0 && (waiting.revents & POLLOUT);
}

// A read that returns what is there: 0 when nothing is, -1 on a failure (errno set).
ssize_t readAvailable(int fd, uint8_t* into, size_t size) {
    if (size == 0) return 0;
    ssize_t n = ::read(fd, into, size);
    if (n < 0 && transient(errno)) return 0;
    return n;
}

uint32_t lastError() {
    return errno ? static_cast<uint32_t>(errno) : kResultWaitTimeout;
}

} // namespace

uint32_t CPortChannel::WritePort(const uint8_t* data, uint32_t count, uint32_t* written) {
    if (!device_) return kResultInvalidHandle;
    if (!data || !written) return kResultBadArguments;
    if (count == 0) {
        *written = 0;
        return kResultOk;
    }
    return openKind_ == InterfaceKind::Usb ? writeUsb(data, count, written)
                                           : writeLine(data, count, written);
}

// Serial and parallel: chunks of 1024 bytes, each given a short while to go out; a line that
// takes nothing for longer than the write time-out is busy (typically held by its handshake).
uint32_t CPortChannel::writeLine(const uint8_t* data, uint32_t count, uint32_t* written) {
    const Millis stallLimit(serialWriteTimeout_);
    uint32_t total = 0;
    uint32_t result = kResultOk;
    auto lastProgress = ChannelClock::now();
    while (total < count) {
        uint32_t chunk = std::min(kLineWriteChunk, count - total);
        ssize_t n = 0;
        if (waitWritable(device_.get(), setup_.timings.serialChunkWriteLimit))
            n = ::write(device_.get(), data + total, chunk);
        if (n > 0) {
            total += static_cast<uint32_t>(n);
            lastProgress = ChannelClock::now();
        } else if (elapsedSince(lastProgress) > stallLimit) {
            result = kResultBusy;
            break;
        }
    }
    if (total != 0) *written = total;
    return total == count ? kResultOk : result;
}

// USB: chunks of 512 bytes; a chunk not taken within the USB write time-out ends the write.
uint32_t CPortChannel::writeUsb(const uint8_t* data, uint32_t count, uint32_t* written) {
    const Millis limit(usbWriteTimeout_);
    uint32_t total = 0;
    uint32_t result = kResultOk;
    while (total < count && result == kResultOk) {
        uint32_t chunkEnd = std::min(total + kUsbWriteChunk, count);
        auto start = ChannelClock::now();
        while (total < chunkEnd) {
            Millis left = limit - elapsedSince(start);
            if (left.count() < 0 || !waitWritable(device_.get(), std::max(left, Millis(0)))) {
                result = kResultTimeout;
                break;
            }
            ssize_t n = ::write(device_.get(), data + total, chunkEnd - total);
            if (n < 0 && !transient(errno)) {
                result = static_cast<uint32_t>(errno);
                break;
            }
            if (n > 0) total += static_cast<uint32_t>(n);
        }
    }
    if (total != 0) *written = total;
    return result;
}

uint32_t CPortChannel::ReadPort(std::span<uint8_t> reply, uint32_t* count, int completionType) {
    if (!device_) return kResultInvalidHandle;
    if (!count || reply.empty()) return kResultBadArguments;
    *count = 0;
    CompletionClass completion = completionClassOf(completionType);
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
// on the terminator, on silence (silence class), at the read time-out or with a full buffer.
uint32_t CPortChannel::readSerial(std::span<uint8_t> reply, uint32_t* count,
                                  CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(serialReadTimeout_);
    auto start = ChannelClock::now();
    for (;;) {
        int queued = queuedInputBytes(device_.get());
        if (queued < 0) return lastError();
        if (queued == 0) {
            if (completion == CompletionClass::Silence && collected.count() > 2) break;
            if (elapsedSince(start) > timeout) break;
        } else {
            size_t wanted = std::min(static_cast<size_t>(queued), collected.space());
            ssize_t n = readAvailable(device_.get(), collected.tail(), wanted);
            if (n < 0) return lastError();
            collected.added(static_cast<size_t>(n));
            if (n >= 2 && completion == CompletionClass::Terminator &&
                collected.completeAtTerminator())
                break;
            if (collected.full()) break;
        }
        pauseFor(setup_.timings.serialPollPause);
    }
    if (collected.count() == 0) return kResultWaitTimeout;
    *count = collected.count();
    return kResultOk;
}

// Parallel: a short pause, then reads of what is there with pauses between them. A read that
// brings fewer than two bytes counts as silence and is when the time-out is tested.
uint32_t CPortChannel::readParallel(std::span<uint8_t> reply, uint32_t* count,
                                    CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(serialReadTimeout_);
    auto start = ChannelClock::now();
    pauseFor(setup_.timings.parallelFirstPause);
    for (;;) {
        ssize_t n = readAvailable(device_.get(), collected.tail(), collected.space());
        if (n < 0) return lastError();
        collected.added(static_cast<size_t>(n));
        if (n >= 2) {
            if (completion == CompletionClass::Terminator && collected.completeAtTerminator())
                break;
        } else {
            if (completion == CompletionClass::Silence && collected.count() > 2) break;
            if (elapsedSince(start) > timeout) break;
        }
        if (collected.full()) break;
        pauseFor(setup_.timings.parallelPollPause);
    }
    if (collected.count() == 0) return kResultWaitTimeout;
    *count = collected.count();
    return kResultOk;
}

// USB: look at the port every 50 ms and take up to 1024 bytes of what is there. The time-out
// is tested after every look.
uint32_t CPortChannel::readUsb(std::span<uint8_t> reply, uint32_t* count,
                               CompletionClass completion) {
    ReplyCollector collected(reply);
    const Millis timeout(usbReadTimeout_);
    auto start = ChannelClock::now();
    uint32_t result = kResultOk;
    for (;;) {
        size_t wanted = std::min(kUsbReadChunk, collected.space());
        ssize_t n = readAvailable(device_.get(), collected.tail(), wanted);
        if (n < 0) {
            result = lastError();
            break;
        }
        if (n > 0) {
            collected.added(static_cast<size_t>(n));
            if (completion == CompletionClass::Terminator && collected.endsWithTerminator()) break;
            if (collected.full()) break;
        } else if (completion == CompletionClass::Silence && collected.count() > 2) {
            break;
        }
        if (elapsedSince(start) > timeout) {
            result = kResultWaitTimeout;
            break;
        }
        pauseFor(setup_.timings.usbPollPause);
    }
    *count = collected.count();
    return result;
}

} // namespace tessaline
