#include "platform/device_state.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaline {

std::optional<std::string> DeviceGroupName(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    const long suggested = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 4096);
    for (;;) {
        struct group entry {};
        struct group* found = nullptr;
        const int error = ::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr || found->gr_name == nullptr) return std::nullopt;
        return std::string(found->gr_name);
    }
}

bool DeviceGone(int osError) {
    return osError == ENODEV || osError == ENXIO || osError == EIO || osError == ENOENT;
}

} // namespace tessaline
