#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tessaline {

// A system-wide lock shared by every process of the user, named like a mutex. Held while the
// object lives; released when it is destroyed (or when the process ends, however it ends).
class NamedLock {
public:
    // Takes the lock if it is free, without waiting.
    static std::optional<NamedLock> TryAcquire(const std::string& name);
    // Waits up to `limit` for the lock.
    static std::optional<NamedLock> AcquireWithin(const std::string& name,
                                                  std::chrono::milliseconds limit);
    // The folder holding the lock files: $XDG_RUNTIME_DIR, else /tmp.
    static std::string LockFolder();

    NamedLock(NamedLock&& other) noexcept;
    NamedLock& operator=(NamedLock&& other) noexcept;
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;
    ~NamedLock();

private:
    explicit NamedLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace tessaline
