#pragma once

#include "platform/linux/unique_fd.h"

#include <string>

namespace tessaline::sim {

// Where the simulated printer is reached: the sockets and terminals the simulator opens, kept
// here with the other system calls.
struct Endpoint {
    tessaline::UniqueFd listener; // TCP: the listening socket
    tessaline::UniqueFd stream;   // pty master or device: the byte stream itself
    tessaline::UniqueFd slave;    // pty: a slave end kept open so the master never hangs up
    std::string address;          // printed on the first line: HOST:PORT or the device path
    std::string link;             // pty: the symbolic link made, removed at the end
};

// A TCP listener on host:port (port 0 picks a free port). False with `error` on failure.
bool listenTcp(const std::string& host, int port, bool smallReceiveBuffer, Endpoint& endpoint,
               std::string& error);
// A pseudo-terminal in raw mode whose slave is reached through the symbolic link `link`.
bool openPseudoTerminal(const std::string& link, Endpoint& endpoint, std::string& error);
// An existing device (put into raw mode when it is a terminal).
bool openExistingDevice(const std::string& path, Endpoint& endpoint, std::string& error);

// The simulator's standard input: it ends at the end of its input.
inline constexpr int kStandardInput = 0;

// Removes the symbolic link a pseudo-terminal endpoint made.
void removeLink(const Endpoint& endpoint);

// While it lives, SIGTERM and SIGINT make `readEnd()` readable instead of ending the program, and
// SIGPIPE is ignored: the server loop then ends on its own terms. One per program.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    bool ok() const { return readEnd_ >= 0; }
    int readEnd() const { return readEnd_; }

private:
    int readEnd_ = -1;
};

} // namespace tessaline::sim
