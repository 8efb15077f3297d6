#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tessaline {

// The lock file of a lock named N is "N" + this, in the user's lock folder.
inline constexpr std::string_view kLockFileSuffix = ".lock";

// Why a named lock was not taken.
enum class LockFailure {
    HeldByAnother, // another program of this user holds it
    FolderUnsafe,  // no lock folder of the user's own: not theirs, a link, or writable by others
    FileUnsafe,    // the lock file is a link, not a regular file, or not the user's
    SystemError,   // the system refused; see LockError::osError
};

struct LockError {
    LockFailure cause = LockFailure::SystemError;
    int osError = 0;    // the system's error number, with SystemError only
    std::string detail; // for people: which path and what is wrong with it
    std::string path;   // the lock file, with HeldByAnother: the holder is found beside it
};

// Where the lock files of the user go: the runtime folder when it is the user's own, else a
// folder of the user's own made in the shared temporary folder.
struct LockPlaces {
    std::string runtimeFolder;            // empty: none
    std::string sharedTemporary = "/tmp"; // holds "tessaline-<uid>"

    // $XDG_RUNTIME_DIR and /tmp.
    static LockPlaces FromEnvironment();
};

class LockResult;

// A lock shared by every process of the user, named like a mutex. Held while the object lives;
// released when it is destroyed (or when the process ends, however it ends). Other users have
// locks of their own, so they never hold one another's.
class NamedLock {
public:
    // Takes the lock if it is free, without waiting.
    static LockResult TryAcquire(const std::string& name);
    static LockResult TryAcquire(const std::string& name, const LockPlaces& places);

    // The lock file.
    const std::string& path() const { return path_; }

    NamedLock(NamedLock&& other) noexcept;
    NamedLock& operator=(NamedLock&& other) noexcept;
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;
    ~NamedLock();

private:
    NamedLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_ = -1;
    std::string path_;
};

// A held lock, or why it was not taken.
class LockResult {
public:
    LockResult(NamedLock lock) : lock_(std::move(lock)) {}    // NOLINT: a lock is a result
    LockResult(LockError error) : error_(std::move(error)) {} // NOLINT: so is a failure

    explicit operator bool() const { return lock_.has_value(); }
    // The lock; only when held.
    NamedLock& lock() { return *lock_; }
    // Why the lock was not taken; only when not held.
    const LockError& error() const { return error_; }
    bool heldByAnother() const { return !lock_ && error_.cause == LockFailure::HeldByAnother; }

private:
    std::optional<NamedLock> lock_;
    LockError error_;
};

} // namespace tessaline
