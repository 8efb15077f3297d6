#pragma once

#include "app/interface_settings.h"
#include "app/profile_file.h"

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

// Reads the settings file at `path` (an empty one with only the section header when missing),
// writes the changed keys and replaces the file atomically (UTF-16LE with a byte-order mark,
// mode 0600). Does nothing for an empty mask. False with `error` when the file cannot be written;
// the old file is then left as it was.
bool SaveChangedSettings(const std::string& path, unsigned mask, const InterfaceSettings& current,
                         const ProfileFile::LegacyDecoder& legacy, std::string* error = nullptr);

// Reads "Tessaline.ini" from `configFolder` (missing or unreadable: the defaults).
InterfaceSettings LoadSettingsFile(const std::string& configFolder, uint16_t primaryLanguage);

} // namespace tessaline
