#pragma once

#include <string>

namespace tessaline {

// Why no settings folder could be used.
enum class ConfigFolderProblem {
    None,
    NoHome,           // neither HOME, XDG_CONFIG_HOME nor the password database names a home
    IsALink,          // the folder is a symbolic link (or not a folder at all)
    OtherOwner,       // the folder belongs to another user
    WritableByOthers, // the group or others may write into the folder
    CannotCreate,     // the folder could not be made (see the system's error)
};

// The folder of "Tessaline.ini" and "Recent.dat", or why there is none.
struct ConfigFolderChoice {
    std::string folder;    // empty when no folder can be used: defaults, nothing saved
    std::string candidate; // the folder that was refused, for the person
    ConfigFolderProblem problem = ConfigFolderProblem::None;
    int systemError = 0; // CannotCreate: the system's error number
};

// Where a settings folder may come from; the process's environment by default.
struct ConfigPlaces {
    std::string xdgConfigHome;
    std::string home;         // $HOME
    std::string passwordHome; // the user's home in the password database
    std::string fallbackBase; // where a per-user folder is made when no home is known
};
ConfigPlaces CurrentConfigPlaces();

// Whether the chosen folder is made when missing (the window saves into it; the command line tool
// only reads).
enum class FolderUse { ReadOnly, ReadWrite };

// The settings folder: the program's own folder when the user's own "Tessaline.ini" stands there
// (a portable installation), else <XDG_CONFIG_HOME or home/.config>/tessaline, else a per-user
// folder "tessaline-<uid>" under `fallbackBase`. The folder is used only when it is a real
// folder (never a symbolic link) of this user that nobody else may write into.
ConfigFolderChoice ChooseConfigFolder(const std::string& programFolder, const ConfigPlaces& places,
                                      FolderUse use);

// The folder of the running executable.
std::string ProgramFolder();

} // namespace tessaline
