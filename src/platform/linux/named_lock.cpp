#include "platform/named_lock.h"

#include "platform/linux/unique_fd.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tessaline {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

std::string lockPath(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        if (c == '/') c = '_';
    }
    return NamedLock::LockFolder() + "/" + safe + ".lock";
}

} // namespace

std::string NamedLock::LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && ::access(runtime, W_OK) == 0) return runtime;
    return "/tmp";
}

std::optional<NamedLock> NamedLock::TryAcquire(const std::string& name) {
    UniqueFd fd(::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!fd || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    return NamedLock(fd.release());
}

std::optional<NamedLock> NamedLock::AcquireWithin(const std::string& name,
                                                  std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (auto lock = TryAcquire(name)) return lock;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(kPollInterval);
    }
}

NamedLock::NamedLock(NamedLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

NamedLock& NamedLock::operator=(NamedLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

NamedLock::~NamedLock() {
    // Closing the descriptor releases the lock; the file stays for the next holder.
    if (fd_ >= 0) ::close(fd_);
}

} // namespace tessaline
