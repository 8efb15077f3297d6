#include "platform/named_lock.h"

#include "platform/linux/unique_fd.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace tessaline {

namespace {

constexpr const char* kOwnFolderPrefix = "/tessaline-";
constexpr mode_t kOwnFolderMode = 0700;
constexpr mode_t kLockFileMode = 0600;

LockError failure(LockFailure cause, std::string detail) {
    return LockError{cause, 0, std::move(detail), {}};
}

LockError systemFailure(int error, const std::string& what) {
    return LockError{
        LockFailure::SystemError, error, what + ": " + std::system_category().message(error), {}};
}

std::string fileName(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        if (c == '/') c = '_';
    }
    return safe + std::string(kLockFileSuffix);
}

// What is wrong with a path that did not open as a folder without following a link.
std::string notAFolder(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return "is a symbolic link";
    return "is not a folder";
}

struct Folder {
    UniqueFd fd;
    std::string path;
    std::optional<LockError> error;
};

// Opens `path` as the folder of the lock files: a real folder of this user that nobody else may
// write to, so that no one else can put or replace a file in it.
Folder openFolder(const std::string& path) {
    Folder folder{UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)),
                  path, std::nullopt};
    const std::string what = "the lock folder " + path;
    if (!folder.fd) {
        const int error = errno;
        if (error == ELOOP || error == ENOTDIR)
            folder.error = failure(LockFailure::FolderUnsafe, what + " " + notAFolder(path));
        else
            folder.error = systemFailure(error, "cannot open " + what);
        return folder;
    }
    struct stat st {};
    if (::fstat(folder.fd.get(), &st) != 0) {
        folder.error = systemFailure(errno, "cannot examine " + what);
    } else if (st.st_uid != ::geteuid()) {
        folder.error = failure(LockFailure::FolderUnsafe,
                               what + " belongs to user " + std::to_string(st.st_uid));
    } else if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        folder.error = failure(LockFailure::FolderUnsafe, what + " is writable by others");
    }
    return folder;
}

// The runtime folder when it is the user's own, else the user's own folder in the shared
// temporary folder, made when missing. Never a folder that others may write to.
Folder lockFolder(const LockPlaces& places) {
    std::string runtimeProblem;
    if (!places.runtimeFolder.empty()) {
        Folder runtime = openFolder(places.runtimeFolder);
        if (!runtime.error) return runtime;
        runtimeProblem = runtime.error->detail + " (not used); ";
    }
    const std::string own = places.sharedTemporary + kOwnFolderPrefix + std::to_string(::geteuid());
    if (::mkdir(own.c_str(), kOwnFolderMode) != 0 && errno != EEXIST) {
        Folder folder{UniqueFd(), own, systemFailure(errno, "cannot make the lock folder " + own)};
        folder.error->detail.insert(0, runtimeProblem);
        return folder;
    }
    Folder folder = openFolder(own);
    if (folder.error) folder.error->detail.insert(0, runtimeProblem);
    return folder;
}

} // namespace

LockPlaces LockPlaces::FromEnvironment() {
    LockPlaces places;
    // A relative path is no runtime folder.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') places.runtimeFolder = runtime;
    return places;
}

LockResult NamedLock::TryAcquire(const std::string& name) {
    return TryAcquire(name, LockPlaces::FromEnvironment());
}

LockResult NamedLock::TryAcquire(const std::string& name, const LockPlaces& places) {
    Folder folder = lockFolder(places);
    if (folder.error) return *std::move(folder.error);
    const std::string file = fileName(name);
    std::string path = folder.path + "/" + file;
    const std::string what = "the lock file " + path;
    // No link is followed, so a link planted in place of the file leads nowhere.
    UniqueFd fd(::openat(folder.fd.get(), file.c_str(),
                         O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, kLockFileMode));
    if (!fd) {
        const int error = errno;
        if (error == ELOOP) return failure(LockFailure::FileUnsafe, what + " is a symbolic link");
        if (error == EISDIR)
            return failure(LockFailure::FileUnsafe, what + " is not a regular file");
        return systemFailure(error, "cannot open " + what);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return systemFailure(errno, "cannot examine " + what);
    if (!S_ISREG(st.st_mode))
        return failure(LockFailure::FileUnsafe, what + " is not a regular file");
    if (st.st_uid != ::geteuid())
        return failure(LockFailure::FileUnsafe,
                       what + " belongs to user " + std::to_string(st.st_uid));
    int locked;
    do {
        locked = ::flock(fd.get(), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK) {
            LockError held =
                failure(LockFailure::HeldByAnother, what + " is held by another program");
            held.path = std::move(path);
            return held;
        }
        return systemFailure(error, "cannot lock " + what);
    }
    return NamedLock(fd.release(), std::move(path));
}

NamedLock::NamedLock(NamedLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

NamedLock& NamedLock::operator=(NamedLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

NamedLock::~NamedLock() {
    // Closing the descriptor releases the lock; the file stays for the next holder.
    if (fd_ >= 0) ::close(fd_);
}

} // namespace tessaline
