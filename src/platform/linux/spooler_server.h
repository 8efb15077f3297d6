#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tessaline {

// How long connecting to the spooler may take, by socket or through the library.
constexpr std::chrono::milliseconds kSpoolerConnectLimit{2000};

// The spooler this process talks to, as a socket path or a host name: `configured` when given,
// else CUPS_SERVER, else the ServerName of the user's and then the system's client.conf, else
// the local spooler's socket.
std::string ChooseSpoolerServer(const std::optional<std::string>& configured);

// Whether `server` names a Unix domain socket rather than a host.
inline bool IsSocketPath(const std::string& server) {
    return !server.empty() && server.front() == '/';
}

} // namespace tessaline
