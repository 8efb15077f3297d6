#pragma once

#include <cstdint>

namespace tessaline {

// The channel's own results of a read or write, numbered as the printer protocol numbers them.
// An operating-system failure is SystemError, its error number kept apart in ChannelResult.
enum class ChannelCode : uint32_t {
    Ok = 0,
    InvalidHandle = 6,         // nothing open
    WriteFault = 29,           // RAW document: a later step failed
    OpenFailed = 110,          // RAW document: queue not opened
    BadArguments = 160,        // missing buffer or count, empty send
    Busy = 170,                // the line accepted nothing
    WaitTimeout = 258,         // a read ran out of time
    DeviceNotConnected = 1167, // socket closed or failed
    Timeout = 1460,            // a USB or socket write timed out
    SystemError = 0x10000,     // the operating system refused; see osError
    Cancelled = 0x10001,       // another thread cancelled the exchange
};

// What one channel operation ended with.
struct ChannelResult {
    ChannelCode code = ChannelCode::Ok;
    int osError = 0; // the operating system's error number, only with SystemError

    ChannelResult() = default;
    ChannelResult(ChannelCode c) : code(c) {} // NOLINT: a code alone is a result
    static ChannelResult System(int error) { return {ChannelCode::SystemError, error}; }

    bool ok() const { return code == ChannelCode::Ok; }
    friend bool operator==(const ChannelResult& a, const ChannelResult& b) = default;
    friend bool operator==(const ChannelResult& a, ChannelCode b) { return a.code == b; }

private:
    ChannelResult(ChannelCode c, int error) : code(c), osError(error) {}
};

} // namespace tessaline
