#include "platform/config_folder.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaline {

namespace {

constexpr const char* kSettingsFile = "Tessaline.ini";
constexpr const char* kFolderName = "tessaline";
constexpr const char* kFallbackPrefix = "tessaline-";
constexpr const char* kFallbackBase = "/tmp";
constexpr mode_t kFolderMode = 0700;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Makes each missing folder of `path`; the error of the last mkdir that failed for another reason
// than an existing folder, else 0.
int makeFolders(const std::string& path) {
    int error = 0;
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/') continue;
        if (::mkdir(path.substr(0, at).c_str(), kFolderMode) == 0 || errno == EEXIST)
            error = 0;
        else
            error = errno;
    }
    return error;
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Checks the folder itself, never following a link; a missing folder is fine for reading.
ConfigFolderChoice checked(const std::string& folder, FolderUse use) {
    ConfigFolderChoice choice;
    choice.candidate = folder;
    if (use == FolderUse::ReadWrite) {
        if (const int error = makeFolders(folder)) {
            choice.problem = ConfigFolderProblem::CannotCreate;
            choice.systemError = error;
            return choice;
        }
    }
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) {
        if (errno == ENOENT && use == FolderUse::ReadOnly) {
            choice.folder = folder;
        } else {
            choice.problem = ConfigFolderProblem::CannotCreate;
            choice.systemError = errno;
        }
        return choice;
    }
    if (!S_ISDIR(st.st_mode))
        choice.problem = ConfigFolderProblem::IsALink;
    else if (st.st_uid != ::geteuid())
        choice.problem = ConfigFolderProblem::OtherOwner;
    else if (st.st_mode & (S_IWGRP | S_IWOTH))
        choice.problem = ConfigFolderProblem::WritableByOthers;
    else
        choice.folder = folder;
    return choice;
}

// The user's own regular file, not reached through a link.
bool isOwnRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

} // namespace

ConfigPlaces CurrentConfigPlaces() {
    ConfigPlaces places;
    places.xdgConfigHome = environment("XDG_CONFIG_HOME");
    places.home = environment("HOME");
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        places.passwordHome = found->pw_dir;
    places.fallbackBase = kFallbackBase;
    return places;
}

ConfigFolderChoice ChooseConfigFolder(const std::string& programFolder, const ConfigPlaces& places,
                                      FolderUse use) {
    if (!programFolder.empty() && isOwnRegularFile(programFolder + "/" + kSettingsFile)) {
        ConfigFolderChoice portable;
        portable.folder = portable.candidate = programFolder;
        return portable;
    }
    const auto inConfigHome = [&](const std::string& configHome) {
        return checked(configHome + "/" + kFolderName, use);
    };
    if (places.xdgConfigHome.starts_with('/')) return inConfigHome(places.xdgConfigHome);
    if (!places.home.empty()) return inConfigHome(places.home + "/.config");
    if (places.passwordHome.starts_with('/') && isFolder(places.passwordHome))
        return inConfigHome(places.passwordHome + "/.config");
    if (places.fallbackBase.empty()) {
        ConfigFolderChoice none;
        none.problem = ConfigFolderProblem::NoHome;
        return none;
    }
    // A shared folder such as /tmp: anyone may have made this name first, which the ownership
    // check refuses.
    return checked(places.fallbackBase + "/" + kFallbackPrefix + std::to_string(::geteuid()), use);
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
