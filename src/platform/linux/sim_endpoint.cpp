#include "platform/sim_endpoint.h"

#include "platform/linux/terminal_control.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaline::sim {
namespace {

constexpr int kSmallReceiveBuffer = 4096;

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

bool listenTcp(const std::string& host, int port, bool smallReceiveBuffer, Endpoint& endpoint,
               std::string& error) {
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd) {
        error = systemError("socket");
        return false;
    }
    int on = 1;
    ::setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (smallReceiveBuffer) {
        int size = kSmallReceiveBuffer;
        ::setsockopt(fd.get(), SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "not an IPv4 address: " + host;
        return false;
    }
    if (::bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd.get(), 4) != 0) {
        error = systemError("listen on " + host);
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&address), &length);
    endpoint.address = host + ":" + std::to_string(ntohs(address.sin_port));
    endpoint.listener = std::move(fd);
    return true;
}

bool openPseudoTerminal(const std::string& link, Endpoint& endpoint, std::string& error) {
    UniqueFd master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!master || ::grantpt(master.get()) != 0 || ::unlockpt(master.get()) != 0) {
        error = systemError("pseudo-terminal");
        return false;
    }
    const char* name = ::ptsname(master.get());
    if (!name) {
        error = systemError("ptsname");
        return false;
    }
    std::string slavePath = name;
    UniqueFd slave(::open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!slave) {
        error = systemError("open " + slavePath);
        return false;
    }
    makeTerminalRaw(slave.get());
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(slavePath.c_str(), link.c_str()) != 0) {
            error = systemError("link " + link);
            return false;
        }
        endpoint.link = link;
    }
    endpoint.address = slavePath;
    endpoint.stream = std::move(master);
    endpoint.slave = std::move(slave);
    return true;
}

bool openExistingDevice(const std::string& path, Endpoint& endpoint, std::string& error) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!fd) {
        error = systemError("open " + path);
        return false;
    }
    makeTerminalRaw(fd.get());
    endpoint.address = path;
    endpoint.stream = std::move(fd);
    return true;
}

void removeLink(const Endpoint& endpoint) {
    if (!endpoint.link.empty()) ::unlink(endpoint.link.c_str());
}

namespace {

int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(stopPipe[1], &byte, 1);
}

} // namespace

StopSignals::StopSignals() {
    if (::pipe2(stopPipe, O_CLOEXEC) != 0) return;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    readEnd_ = stopPipe[0];
}

StopSignals::~StopSignals() {
    if (readEnd_ < 0) return;
    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
}

} // namespace tessaline::sim
