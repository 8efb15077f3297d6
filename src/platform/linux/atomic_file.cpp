#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/unique_fd.h"

namespace tessaline {

namespace {

bool fail(std::string* error, const std::string& what, int* systemError) {
    if (systemError) *systemError = errno;
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void keep() { kept_ = true; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool kept_ = false;
};

// The process's umask, read without changing it (umask(2) sets it, which is not safe while other
// threads create files).
mode_t currentUmask() {
    std::string status;
    if (readWholeFile("/proc/self/status", status, 1 << 16)) {
        const auto at = status.find("\nUmask:");
        if (at != std::string::npos)
            return static_cast<mode_t>(std::strtoul(status.c_str() + at + 8, nullptr, 8));
    }
    return 022;
}

// The mode for `path` under `rule`.
mode_t modeFor(const std::string& path, mode_t mode, FileModeRule rule) {
    if (rule == FileModeRule::Exactly) return mode;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return mode & ~currentUmask();
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, mode_t mode,
                         std::string* error, FileModeRule rule, WriteFailure* failure,
                         int* systemError) {
    if (failure) *failure = WriteFailure::CannotWrite;
    mode = modeFor(path, mode, rule);
    std::string pattern = path + ".XXXXXX";
    UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd) {
        if (failure) *failure = WriteFailure::CannotCreate;
        return fail(error, "cannot create a temporary file beside " + path, systemError);
    }
    TemporaryFile temporary(pattern);
    if (::fchmod(fd.get(), mode) != 0)
        return fail(error, "cannot set the mode of " + pattern, systemError);
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(error, "cannot write " + pattern, systemError);
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0) return fail(error, "cannot flush " + pattern, systemError);
    if (::close(fd.release()) != 0) return fail(error, "cannot close " + pattern, systemError);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        return fail(error, "cannot replace " + path, systemError);
    temporary.keep();
    // Make the rename itself durable; a failure here no longer loses data.
    UniqueFd folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) ::fsync(folder.get());
    if (failure) *failure = WriteFailure::None;
    return true;
}

namespace {

// Opens a file for a whole read and checks what it is; the read fills `bytes`.
OwnFileRead readFile(const std::string& path, std::string& bytes, size_t limit, bool ownOnly) {
    OwnFileRead result;
    const auto failed = [&result](ReadFailure failure, int error = 0) {
        result.failure = failure;
        result.systemError = error;
        return result;
    };
    // Non-blocking, so that opening a named pipe does not wait for a writer.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd) {
        result.missing = errno == ENOENT;
        return failed(ReadFailure::CannotOpen, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return failed(ReadFailure::ReadFailed, errno);
    if (!S_ISREG(st.st_mode)) {
        result.folder = S_ISDIR(st.st_mode);
        return failed(ReadFailure::NotARegularFile);
    }
    if (static_cast<unsigned long long>(st.st_size) > limit) return failed(ReadFailure::TooLarge);
    if (ownOnly && st.st_uid != ::geteuid()) {
        result.otherOwner = true;
        return result;
    }
    bytes.clear();
    char chunk[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(ReadFailure::ReadFailed, errno);
        if (n == 0) break;
        // A file that grows while it is read is held to the limit too.
        if (bytes.size() + static_cast<size_t>(n) > limit) return failed(ReadFailure::TooLarge);
        bytes.append(chunk, static_cast<size_t>(n));
    }
    return result;
}

} // namespace

bool readWholeFile(const std::string& path, std::string& bytes, size_t limit, ReadFailure* why) {
    const OwnFileRead result = readFile(path, bytes, limit, false);
    if (why) *why = result.failure;
    return result.failure == ReadFailure::None;
}

OwnFileRead readOwnFile(const std::string& path, std::string& bytes, size_t limit) {
    return readFile(path, bytes, limit, true);
}

bool moveAside(const std::string& path, const std::string& to, int* systemError) {
    if (::rename(path.c_str(), to.c_str()) == 0) return true;
    if (systemError) *systemError = errno;
    return false;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool makeFolder(const std::string& path, bool* created) {
    *created = false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return true;
    if (::mkdir(path.c_str(), 0755) != 0) return false;
    *created = true;
    return true;
}

void removeEmptyFolder(const std::string& path) {
    ::rmdir(path.c_str()); // fails harmlessly when something is inside
}

} // namespace tessaline
