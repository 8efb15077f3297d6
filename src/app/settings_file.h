#pragma once

#include "app/interface_settings.h"
#include "app/profile_file.h"
#include "platform/config_folder.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaline {

inline constexpr std::string_view kSettingsFileName = "Tessaline.ini";
inline constexpr std::string_view kSettingsSection = "Tessaline";
// The TCP port a network printer listens on when the settings name none.
inline constexpr std::string_view kDefaultPortNumber = "9100";
// The address the IP address field shows when no address was saved.
inline constexpr std::string_view kDefaultPrinterAddress = "192.168.0.1";

// Bits of the change mask: which keys differ between the loaded and the current settings.
enum SettingsChange : unsigned {
    kPortTypeChanged = 0x01,
    kPortNameChanged = 0x02,
    kSerialSettingsChanged = 0x04,
    kPortNumberChanged = 0x08,
    kDefaultFolderChanged = 0x10,
    kPrinterModelChanged = 0x20,
    kRegionChanged = 0x40,
};

// The user-interface language for a primary language identifier (the low 10 bits of a
// language id): Japanese 1, Chinese 2, Korean 3, anything else English 0.
int32_t RegionFromLanguage(uint16_t primaryLanguage);

std::string_view PortTypeWord(PortType type); // "PRT", "COM", … ; "" for none
std::optional<PortType> PortTypeFromWord(std::string_view word);

// COM_SET: "baud databits stopbits parity flow", e.g. "9600 8 1 N X".
std::string FormatComSet(const InterfaceSettings& settings);
// Takes each valid piece of a COM_SET value; a value that is not exactly five pieces separated
// by single spaces changes nothing.
void ApplyComSet(std::string_view value, InterfaceSettings& settings);

// Fills the settings from the file's "Tessaline" section, with the defaults for missing or
// invalid keys. `modelNames` must not be empty; its first entry is the default model.
InterfaceSettings LoadSettings(const ProfileFile& file, uint16_t primaryLanguage,
                               std::span<const std::string_view> modelNames);

// Resolves a host name to its first IPv4 address as "a.b.c.d"; nullopt when it does not resolve.
using HostResolver = std::function<std::optional<std::string>(const std::string&)>;

unsigned ComputeChangeMask(const InterfaceSettings& loaded, const InterfaceSettings& current,
                           const HostResolver& resolve);

// Writes the keys whose bits are set, in the file's key order.
void WriteChangedKeys(ProfileFile& file, unsigned mask, const InterfaceSettings& current);

// Why a settings file, the last configuration or the settings folder could not be used.
enum class SettingsCause {
    None,
    SystemError,            // see systemError
    NotAFile,               // a folder, a named pipe, a device
    TooLarge,               // more than kSettingsReadLimit
    Undecodable,            // most of its lines cannot be decoded
    PartlyUndecodable,      // some of its lines cannot be decoded
    OtherUser,              // it belongs to another user
    FolderIsALink,          // the settings folder is a symbolic link or no folder
    FolderWritableByOthers, // others may write into the settings folder
    NoHome,                 // no settings folder can be found
};

struct SettingsProblem {
    SettingsCause cause = SettingsCause::None;
    int systemError = 0; // SystemError: the system's error number
    explicit operator bool() const { return cause != SettingsCause::None; }
};

// Why the chosen settings folder cannot be used; nothing when it can.
SettingsProblem FolderProblem(const ConfigFolderChoice& choice);

// The name an unreadable settings file is kept under when a new one is written.
std::string SetAsidePath(const std::string& path);

// How the settings file stood when it was read.
enum class SettingsFileState {
    Missing,    // there is none yet: the defaults
    Read,       // read whole
    Damaged,    // read, but some lines could not be decoded; the others count
    Unreadable, // could not be read, or is not the user's: the defaults
};

struct SettingsFileRead {
    SettingsFileState state = SettingsFileState::Missing;
    ProfileFile file;        // what could be read (empty unless Read or Damaged)
    std::string bytes;       // the file as it stands on disk (Read, Damaged)
    SettingsProblem problem; // Damaged, Unreadable
    bool isAFolder = false;  // Unreadable: a folder stands there
};

// Reads the settings file at `path`, never waiting on a pipe and never trusting a file of another
// user. More than a quarter of the lines damaged counts as unreadable.
SettingsFileRead ReadSettingsFile(const std::string& path,
                                  const ProfileFile::LegacyDecoder& legacy);

// What a save did.
struct SettingsSave {
    bool saved = true;      // false: nothing new was written; `problem` says why
    bool keptAside = false; // the old file was kept as SetAsidePath; `problem` says why
    SettingsProblem problem;
    explicit operator bool() const { return saved; }
};

// Reads the settings file at `path` (an empty one with only the section header when missing),
// writes the changed keys and replaces the file atomically (UTF-16LE with a byte-order mark,
// mode 0600). Does nothing for an empty mask. The lines it does not write stay as they were read;
// a file with damaged lines is first copied to SetAsidePath, and one that cannot be read at all
// is moved there (a folder of that name is never moved: the save fails). When it fails, the old
// file is left as it was.
SettingsSave SaveChangedSettings(const std::string& path, unsigned mask,
                                 const InterfaceSettings& current,
                                 const ProfileFile::LegacyDecoder& legacy);

// The settings a run starts from, and why the file could not be used if it could not.
struct SettingsAtStart {
    InterfaceSettings settings;
    SettingsProblem problem; // the file stands but was not read (the defaults are used)
};

// Reads "Tessaline.ini" from `configFolder` (none, missing or unreadable: the defaults).
SettingsAtStart LoadSettingsFile(const std::string& configFolder, uint16_t primaryLanguage);

} // namespace tessaline
