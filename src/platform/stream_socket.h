#pragma once

#include "platform/io_result.h"

#include <chrono>
#include <cstdint>
#include <memory>

namespace tessaline {

enum class ConnectState {
    Connected,
    Pending,     // still under way
    Refused,     // nobody listens on that port
    Unreachable, // no route to the host or its network
    TimedOut,    // the system gave up waiting for the host
    Failed,      // any other failure; see osError
};

struct ConnectStatus {
    ConnectState state = ConnectState::Failed;
    int osError = 0;
};

// A TCP connection over IPv4. Nothing blocks: the connect is started and then awaited, and
// send and receive move what they can now; the caller waits between them, in slices it
// chooses. Closed when destroyed.
class StreamSocket {
public:
    StreamSocket();
    ~StreamSocket();
    StreamSocket(StreamSocket&&) noexcept;
    StreamSocket& operator=(StreamSocket&&) noexcept;

    // Makes a new socket, closing what was open before.
    SystemStatus create();
    bool isOpen() const;
    // Starts connecting to `address` (host byte order) and `port`.
    ConnectStatus startConnect(uint32_t address, uint16_t port);
    // Waits up to `limit` for the connect to end; Pending when it is still under way.
    ConnectStatus awaitConnect(std::chrono::milliseconds limit);
    // Urgent data arrives in line with the other data.
    SystemStatus receiveUrgentInline();

    Readiness waitReadable(std::chrono::milliseconds limit);
    Readiness waitWritable(std::chrono::milliseconds limit);
    IoResult send(const uint8_t* data, size_t size);
    // `closed` when the peer closed the connection.
    IoResult receive(uint8_t* into, size_t size);
    // The error the socket has to report; a failing query counts as one.
    SystemStatus pendingError();

    // Shuts both directions down and closes the socket.
    void close();

private:
    struct Native; // the platform's socket
    std::unique_ptr<Native> native_;
};

} // namespace tessaline
