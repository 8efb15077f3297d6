#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

namespace tessaline {

enum class EchoOutcome {
    Reply,       // the echo reply arrived
    Waiting,     // no reply yet
    NoReply,     // the request could not be sent, or the wait failed
    Unavailable, // this process may not send echo requests
};

// One ICMP echo request without payload and the wait for its reply. The caller waits in
// slices of its choosing and gives up when it likes.
class EchoProbe {
public:
    EchoProbe();
    ~EchoProbe();
    EchoProbe(const EchoProbe&) = delete;
    EchoProbe& operator=(const EchoProbe&) = delete;

    // Sends the request to `address` (IPv4, host byte order): Waiting once it is out.
    EchoOutcome send(uint32_t address);
    // Waits up to `limit` for the reply.
    EchoOutcome awaitReply(std::chrono::milliseconds limit);

private:
    struct Native; // the platform's echo socket and what identifies the reply
    std::unique_ptr<Native> native_;
};

} // namespace tessaline
