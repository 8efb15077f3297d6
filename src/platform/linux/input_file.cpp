#include "platform/input_file.h"

#include "platform/linux/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {

namespace {

class PosixInputFile final : public InputFile {
public:
    explicit PosixInputFile(UniqueFd fd) : fd_(std::move(fd)) {}

    long Read(std::span<char> block, int* error) override {
        for (;;) {
            const ssize_t n = ::read(fd_.get(), block.data(), block.size());
            if (n >= 0) return static_cast<long>(n);
            if (errno == EINTR) continue;
            if (error) *error = errno;
            return -1;
        }
    }

    std::optional<uint64_t> Size() const override {
        struct stat st {};
        if (::fstat(fd_.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
        return static_cast<uint64_t>(st.st_size);
    }

private:
    UniqueFd fd_;
};

} // namespace

std::unique_ptr<InputFile> InputFile::Open(const std::string& path, int* error) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        if (error) *error = errno;
        return nullptr;
    }
    return std::make_unique<PosixInputFile>(std::move(fd));
}

} // namespace tessaline
