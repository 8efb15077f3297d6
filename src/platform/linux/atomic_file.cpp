#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/unique_fd.h"

namespace tessaline {

namespace {

bool fail(std::string* error, const std::string& what) {
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

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, mode_t mode,
                         std::string* error) {
    std::string pattern = path + ".XXXXXX";
    UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd) return fail(error, "cannot create a temporary file beside " + path);
    TemporaryFile temporary(pattern);
    if (::fchmod(fd.get(), mode) != 0) return fail(error, "cannot set the mode of " + pattern);
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(error, "cannot write " + pattern);
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0) return fail(error, "cannot flush " + pattern);
    if (::close(fd.release()) != 0) return fail(error, "cannot close " + pattern);
    if (::rename(temporary.path().c_str(), path.c_str()) != 0)
        return fail(error, "cannot replace " + path);
    temporary.keep();
    // Make the rename itself durable; a failure here no longer loses data.
    UniqueFd folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) ::fsync(folder.get());
    return true;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return false;
    bytes.clear();
    char chunk[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(chunk, static_cast<size_t>(n));
    }
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace tessaline
