#pragma once

#include <chrono>
#include <cstdint>

namespace tessaline {

enum class EchoOutcome {
    Reply,       // an echo reply arrived in time
    NoReply,     // nothing arrived in time, or the host is unreachable
    Unavailable, // this process may open neither an ICMP datagram nor a raw socket
};

// Sends one ICMP echo request without payload to `address` (IPv4, host byte order) and waits
// for its reply up to `limit`.
EchoOutcome sendEchoRequest(uint32_t address, std::chrono::milliseconds limit);

} // namespace tessaline
