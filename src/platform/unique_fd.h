#pragma once

#include <unistd.h>
#include <utility>

namespace tessaline {

// Owns one file descriptor (device, socket, pseudo-terminal) and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) reset(std::exchange(other.fd_, -1));
        return *this;
    }
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    explicit operator bool() const { return valid(); }

    // Closes the descriptor held (if any) and takes `fd`. Returns the result of the close.
    int reset(int fd = -1) {
        int result = 0;
        if (fd_ >= 0) result = ::close(fd_);
        fd_ = fd;
        return result;
    }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
};

} // namespace tessaline
