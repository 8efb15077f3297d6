#pragma once

#include "platform/linux/unique_fd.h"

#include <string>

namespace tessaline::sim {

// Where the simulated printer is reached.
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

} // namespace tessaline::sim
