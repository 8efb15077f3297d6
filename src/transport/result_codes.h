#pragma once

#include <cstdint>

namespace tessaline {

// Result codes of the port channel's reads and writes. 0 is success; any other number not
// listed here is the operating system's error number, passed through.
inline constexpr uint32_t kResultOk = 0;
inline constexpr uint32_t kResultInvalidHandle = 6;         // nothing open
inline constexpr uint32_t kResultBadArguments = 160;        // missing buffer or count, empty send
inline constexpr uint32_t kResultBusy = 170;                // the line accepted nothing
inline constexpr uint32_t kResultWaitTimeout = 258;         // a read ran out of time
inline constexpr uint32_t kResultDeviceNotConnected = 1167; // socket closed or failed
inline constexpr uint32_t kResultTimeout = 1460;            // a USB or socket write timed out
inline constexpr uint32_t kResultOpenFailed = 110;          // RAW document: queue not opened
inline constexpr uint32_t kResultWriteFault = 29;           // RAW document: a later step failed

// The byte count a socket read reports when the peer closed the connection.
inline constexpr uint32_t kPeerClosedCount = 0xFFFFFFFF;

// Size of the reply and send buffers of an exchange.
inline constexpr uint32_t kExchangeBufferSize = 4096;

} // namespace tessaline
