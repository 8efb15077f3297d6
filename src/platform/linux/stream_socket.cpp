#include "platform/stream_socket.h"

#include "platform/linux/unique_fd.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace tessaline {
namespace {

constexpr int kNotOpen = EBADF;

bool transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

ConnectStatus connectFailure(int error) {
    switch (error) {
    case ECONNREFUSED:
        return {ConnectState::Refused, error};
    case ENETUNREACH:
    case EHOSTUNREACH:
        return {ConnectState::Unreachable, error};
    case ETIMEDOUT:
        return {ConnectState::TimedOut, error};
    default:
        return {ConnectState::Failed, error};
    }
}

// A negative limit waits without end.
Readiness waitFor(int fd, short events, std::chrono::milliseconds limit) {
    pollfd waiting{fd, events, 0};
    const int ready = ::poll(&waiting, 1, limit.count() < 0 ? -1 : static_cast<int>(limit.count()));
    if (ready < 0) return errno == EINTR ? Readiness::Quiet : Readiness::Failed;
    if (ready == 0) return Readiness::Quiet;
    if (waiting.revents & POLLNVAL) return Readiness::Failed;
    return Readiness::Ready;
}

int socketError(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) return errno;
    return error;
}

} // namespace

struct StreamSocket::Native {
    UniqueFd fd;
};

StreamSocket::StreamSocket() = default;
StreamSocket::~StreamSocket() {
    close();
}
StreamSocket::StreamSocket(StreamSocket&&) noexcept = default;
StreamSocket& StreamSocket::operator=(StreamSocket&& other) noexcept {
    if (this != &other) {
        close();
        native_ = std::move(other.native_);
    }
    return *this;
}

SystemStatus StreamSocket::create() {
    close();
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd) return {errno};
    native_ = std::make_unique<Native>(Native{std::move(fd)});
    return {};
}

bool StreamSocket::isOpen() const {
    return native_ != nullptr;
}

ConnectStatus StreamSocket::startConnect(uint32_t address, uint16_t port) {
    if (!native_) return {ConnectState::Failed, kNotOpen};
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(address);
    if (::connect(native_->fd.get(), reinterpret_cast<sockaddr*>(&target), sizeof target) == 0)
        return {ConnectState::Connected, 0};
    if (errno == EINPROGRESS || errno == EINTR) return {ConnectState::Pending, 0};
    return connectFailure(errno);
}

ConnectStatus StreamSocket::awaitConnect(std::chrono::milliseconds limit) {
    if (!native_) return {ConnectState::Failed, kNotOpen};
    switch (waitFor(native_->fd.get(), POLLOUT, limit)) {
    case Readiness::Quiet:
        return {ConnectState::Pending, 0};
    case Readiness::Failed: {
        const int error = socketError(native_->fd.get());
        return connectFailure(error ? error : kNotOpen);
    }
    default:
        break;
    }
    const int error = socketError(native_->fd.get());
    return error ? connectFailure(error) : ConnectStatus{ConnectState::Connected, 0};
}

SystemStatus StreamSocket::receiveUrgentInline() {
    if (!native_) return {kNotOpen};
    int on = 1;
    if (::setsockopt(native_->fd.get(), SOL_SOCKET, SO_OOBINLINE, &on, sizeof on) != 0)
        return {errno};
    return {};
}

Readiness StreamSocket::waitReadable(std::chrono::milliseconds limit) {
    if (!native_) return Readiness::Failed;
    return waitFor(native_->fd.get(), POLLIN, limit);
}

Readiness StreamSocket::waitWritable(std::chrono::milliseconds limit) {
    if (!native_) return Readiness::Failed;
    return waitFor(native_->fd.get(), POLLOUT, limit);
}

IoResult StreamSocket::send(const uint8_t* data, size_t size) {
    if (!native_) return {.error = kNotOpen};
    const ssize_t n = ::send(native_->fd.get(), data, size, MSG_NOSIGNAL);
    if (n < 0) return transient(errno) ? IoResult{} : IoResult{.error = errno};
    return {.bytes = static_cast<size_t>(n)};
}

IoResult StreamSocket::receive(uint8_t* into, size_t size) {
    if (!native_) return {.error = kNotOpen};
    if (size == 0) return {};
    const ssize_t n = ::recv(native_->fd.get(), into, size, 0);
    if (n < 0) return transient(errno) ? IoResult{} : IoResult{.error = errno};
    return {.bytes = static_cast<size_t>(n), .closed = n == 0};
}

SystemStatus StreamSocket::pendingError() {
    if (!native_) return {kNotOpen};
    return {socketError(native_->fd.get())};
}

void StreamSocket::close() {
    if (!native_) return;
    ::shutdown(native_->fd.get(), SHUT_RDWR);
    native_.reset();
}

} // namespace tessaline
