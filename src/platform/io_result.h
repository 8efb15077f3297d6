#pragma once

#include <cstddef>

namespace tessaline {

// What one read, write, send, receive or queue query did.
struct IoResult {
    size_t bytes = 0;    // bytes moved or queued; 0 also when nothing could move right now
    int error = 0;       // the system's error number when the call failed, else 0
    bool closed = false; // a receive found the connection closed by the peer
    bool failed() const { return error != 0; }
};

// A call that has no result but its success.
struct SystemStatus {
    int error = 0; // the system's error number when the call failed, else 0
    bool ok() const { return error == 0; }
};

// How one wait for a device or socket to become ready ended.
enum class Readiness {
    Ready,  // it can be read or written now (a socket also when it has an error to report)
    Quiet,  // the limit passed first
    Failed, // the wait failed, or the device reports an error instead
};

} // namespace tessaline
