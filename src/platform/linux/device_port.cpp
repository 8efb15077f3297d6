#include "platform/device_port.h"

#include "platform/linux/terminal_control.h"
#include "platform/linux/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessaline {
namespace {

bool transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

DeviceOpenStatus openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return {DeviceOpenState::NotFound, error};
    case EBUSY:
    case EWOULDBLOCK:
        return {DeviceOpenState::Busy, error};
    case EACCES:
    case EPERM:
        return {DeviceOpenState::PermissionDenied, error};
    default:
        return {DeviceOpenState::Failed, error};
    }
}

// A call on a port that is not open fails as a bad descriptor would.
constexpr int kNotOpen = EBADF;

} // namespace

struct DevicePort::Native {
    UniqueFd fd;
};

DevicePort::DevicePort() = default;
DevicePort::~DevicePort() = default;
DevicePort::DevicePort(DevicePort&&) noexcept = default;
DevicePort& DevicePort::operator=(DevicePort&&) noexcept = default;

// Opened without waiting on the line and without becoming the controlling terminal; the lock
// keeps a second user (another program taking the same lock) out.
DeviceOpenStatus DevicePort::open(const std::string& path) {
    native_.reset();
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return openFailure(errno);
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return openFailure(errno);
    native_ = std::make_unique<Native>(Native{std::move(fd)});
    return {DeviceOpenState::Opened, 0};
}

bool DevicePort::isOpen() const {
    return native_ != nullptr;
}

SystemStatus DevicePort::close() {
    if (!native_) return {kNotOpen};
    const int fd = native_->fd.release();
    native_.reset();
    if (::close(fd) != 0) return {errno};
    return {};
}

IoResult DevicePort::readAvailable(uint8_t* into, size_t size) {
    if (!native_) return {.error = kNotOpen};
    if (size == 0) return {};
    const ssize_t n = ::read(native_->fd.get(), into, size);
    if (n < 0) return transient(errno) ? IoResult{} : IoResult{.error = errno};
    return {.bytes = static_cast<size_t>(n)};
}

IoResult DevicePort::write(const uint8_t* data, size_t size) {
    if (!native_) return {.error = kNotOpen};
    const ssize_t n = ::write(native_->fd.get(), data, size);
    if (n < 0) return transient(errno) ? IoResult{} : IoResult{.error = errno};
    return {.bytes = static_cast<size_t>(n)};
}

Readiness DevicePort::waitWritable(std::chrono::milliseconds limit) {
    if (!native_) return Readiness::Failed;
    pollfd waiting{native_->fd.get(), POLLOUT, 0};
    const int ready = ::poll(&waiting, 1, static_cast<int>(limit.count()));
    if (ready < 0) return errno == EINTR ? Readiness::Quiet : Readiness::Failed;
    if (ready == 0) return Readiness::Quiet;
    return (waiting.revents & POLLOUT) ? Readiness::Ready : Readiness::Failed;
}

SystemStatus DevicePort::applyLineSettings(const SerialLineSettings& settings) {
    if (!native_) return {kNotOpen};
    return applyTerminalSettings(native_->fd.get(), settings);
}

IoResult DevicePort::queuedInput() {
    if (!native_) return {.error = kNotOpen};
    return terminalQueuedInput(native_->fd.get());
}

IoResult DevicePort::queuedOutput() {
    if (!native_) return {.error = kNotOpen};
    return terminalQueuedOutput(native_->fd.get());
}

SystemStatus DevicePort::purge(PurgeScope scope) {
    if (!native_) return {kNotOpen};
    return flushTerminal(native_->fd.get(), scope == PurgeScope::InputAndOutput);
}

} // namespace tessaline
