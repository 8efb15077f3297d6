#include "platform/config_folder.h"

#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {

namespace {

constexpr const char* kSettingsFile = "Tessaline.ini";
constexpr const char* kFolderName = "tessaline";

void makeFolders(const std::string& path) {
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at == path.size() || path[at] == '/') ::mkdir(path.substr(0, at).c_str(), 0700);
    }
}

} // namespace

std::string ConfigFolder(const std::string& programFolder) {
    if (!programFolder.empty() && fileExists(programFolder + "/" + kSettingsFile))
        return programFolder;
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        base = "/tmp";
    }
    const std::string folder = base + "/" + kFolderName;
    makeFolders(folder);
    return folder;
}

std::string ProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) return ".";
    path.resize(static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace tessaline
