#include "app/settings_file.h"

#include "config/printer_models.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/user_language.h"

#include <algorithm>
#include <arpa/inet.h>
#include <charconv>
#include <vector>

namespace tessaline {

namespace {

constexpr std::string_view kRegionKey = "REGION";
constexpr std::string_view kPrinterModelKey = "PRINTER_MODEL";
constexpr std::string_view kPortTypeKey = "PORT_TYPE";
constexpr std::string_view kPortNameKey = "PORT_NAME";
constexpr std::string_view kComSetKey = "COM_SET";
constexpr std::string_view kPortNumberKey = "PORT_NUMBER";
constexpr std::string_view kDefaultFolderKey = "DEFAULT_FOLDER";
constexpr std::string_view kAppModeKey = "APP_MODE";
constexpr std::string_view kAdvancedTabKey = "ADVANCED_TAB";

constexpr mode_t kSettingsFileMode = 0600;
constexpr std::string_view kSetAsideSuffix = ".bad";
// A file with more than one damaged line in this many is taken as unreadable as a whole.
constexpr size_t kDamagedShare = 4;
constexpr size_t kMaxPortNumberDigits = 5;

struct PortTypeName {
    PortType type;
    std::string_view word;
};
constexpr PortTypeName kPortTypeNames[] = {
    {PortType::Printer, "PRT"}, {PortType::Serial, "COM"},  {PortType::Parallel, "LPT"},
    {PortType::Usb, "USB"},     {PortType::Network, "NET"},
};

struct LanguageRegion {
    uint16_t primaryLanguage;
    int32_t region;
};
constexpr LanguageRegion kLanguageRegions[] = {
    {kLanguageJapanese, 1}, {kLanguageChinese, 2}, {kLanguageKorean, 3}};
constexpr int32_t kRegionCount = 4;

struct StopBitsText {
    StopBitsCode code;
    std::string_view text;
    bool accepted; // whether the settings file may set it
};
constexpr StopBitsText kStopBitsTexts[] = {
    {StopBitsCode::One, "1", true},
    {StopBitsCode::OneAndHalf, "1.5", false},
    {StopBitsCode::Two, "2", true},
};

constexpr char kParityLetters[] = {'N', 'O', 'E'}; // by ParityCode
constexpr std::string_view kFlowLetters = "XHN";

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <typename T> std::optional<T> parseDigits(std::string_view s) {
    if (!allDigits(s)) return std::nullopt;
    T value{};
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

// One letter after folding full-width forms to ASCII and lower case to upper case.
std::optional<char> foldedLetter(std::string_view piece) {
    if (piece.size() == 1)
        return static_cast<char>(std::toupper(static_cast<unsigned char>(piece[0])));
    // Full-width forms U+FF01..U+FF5E are three UTF-8 bytes EF BC/BD xx.
    if (piece.size() == 3 && static_cast<unsigned char>(piece[0]) == 0xEF) {
        const unsigned second = static_cast<unsigned char>(piece[1]);
        const unsigned third = static_cast<unsigned char>(piece[2]);
        const unsigned codePoint = 0xF000 | ((second & 0x3F) << 6) | (third & 0x3F);
        if (codePoint >= 0xFF01 && codePoint <= 0xFF5E)
            return static_cast<char>(std::toupper(static_cast<int>(codePoint - 0xFF01 + 0x21)));
    }
    return std::nullopt;
}

std::vector<std::string_view> splitAtSpaces(std::string_view value) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto space = value.find(' ');
        pieces.push_back(value.substr(0, space));
        if (space == std::string_view::npos) return pieces;
        value.remove_prefix(space + 1);
    }
}

bool isDottedIpv4(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

std::string withTrailingSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + '/';
}

bool portNameChanged(const InterfaceSettings& loaded, const InterfaceSettings& current,
                     const HostResolver& resolve) {
    if (current.portType != PortType::Network) return loaded.portName != current.portName;
    if (loaded.portName.empty()) return current.portName != kDefaultPrinterAddress;
    if (isDottedIpv4(loaded.portName)) return loaded.portName != current.portName;
    const auto address = resolve ? resolve(loaded.portName) : std::nullopt;
    return !address || *address != current.portName;
}

bool portNumberChanged(const InterfaceSettings& loaded, const InterfaceSettings& current) {
    if (loaded.portNumber.empty()) return current.portNumber != kDefaultPortNumber;
    return loaded.portNumber != current.portNumber;
}

bool serialSettingsChanged(const InterfaceSettings& a, const InterfaceSettings& b) {
    return a.dataBits != b.dataBits || a.parity != b.parity || a.stopBits != b.stopBits ||
           a.baudRate != b.baudRate || a.flowControl != b.flowControl;
}

} // namespace

int32_t RegionFromLanguage(uint16_t primaryLanguage) {
    for (const auto& entry : kLanguageRegions) {
        if (entry.primaryLanguage == primaryLanguage) return entry.region;
    }
    return 0;
}

std::string_view PortTypeWord(PortType type) {
    for (const auto& entry : kPortTypeNames) {
        if (entry.type == type) return entry.word;
    }
    return {};
}

std::optional<PortType> PortTypeFromWord(std::string_view word) {
    for (const auto& entry : kPortTypeNames) {
        if (entry.word == word) return entry.type;
    }
    return std::nullopt;
}

std::string FormatComSet(const InterfaceSettings& settings) {
    std::string stop = "1";
    for (const auto& entry : kStopBitsTexts) {
        if (entry.code == settings.stopBits) stop = entry.text;
    }
    const auto parity = static_cast<size_t>(settings.parity);
    const char parityLetter = parity < std::size(kParityLetters) ? kParityLetters[parity] : 'N';
    return std::to_string(settings.baudRate) + ' ' + std::to_string(settings.dataBits) + ' ' +
           stop + ' ' + parityLetter + ' ' + settings.flowControl;
}

void ApplyComSet(std::string_view value, InterfaceSettings& settings) {
    const auto pieces = splitAtSpaces(value);
    if (pieces.size() != 5) return;
    if (const auto baud = parseDigits<int32_t>(pieces[0]); baud && *baud > 0)
        settings.baudRate = *baud;
    if (const auto bits = parseDigits<uint8_t>(pieces[1]); bits && *bits > 0)
        settings.dataBits = *bits;
    for (const auto& entry : kStopBitsTexts) {
        if (entry.accepted && pieces[2] == entry.text) settings.stopBits = entry.code;
    }
    if (const auto letter = foldedLetter(pieces[3])) {
        for (size_t code = 0; code < std::size(kParityLetters); ++code) {
            if (kParityLetters[code] == *letter) settings.parity = static_cast<ParityCode>(code);
        }
    }
    if (const auto letter = foldedLetter(pieces[4]);
        letter && kFlowLetters.find(*letter) != std::string_view::npos)
        settings.flowControl = std::string(1, *letter);
}

InterfaceSettings LoadSettings(const ProfileFile& file, uint16_t primaryLanguage,
                               std::span<const std::string_view> modelNames) {
    InterfaceSettings settings;
    const auto read = [&](std::string_view key) { return file.getString(kSettingsSection, key); };

    const int region = file.getInt(kSettingsSection, kRegionKey, kRegionUnset);
    settings.region = static_cast<unsigned>(region) < static_cast<unsigned>(kRegionCount)
                          ? region
                          : RegionFromLanguage(primaryLanguage);

    if (!modelNames.empty()) settings.printerModel = std::string(modelNames.front());
    if (const auto model = read(kPrinterModelKey);
        model && std::find(modelNames.begin(), modelNames.end(), *model) != modelNames.end())
        settings.printerModel = *model;

    if (const auto word = read(kPortTypeKey)) {
        settings.portType = PortTypeFromWord(*word).value_or(PortType::None);
    }
    if (const auto name = read(kPortNameKey)) settings.portName = *name;
    if (const auto comSet = read(kComSetKey)) ApplyComSet(*comSet, settings);
    if (const auto number = read(kPortNumberKey);
        number && number->size() <= kMaxPortNumberDigits && allDigits(*number))
        settings.portNumber = *number;
    if (const auto folder = read(kDefaultFolderKey)) settings.defaultFolder = *folder;
    if (const auto mode = read(kAppModeKey)) settings.appMode = *mode;
    if (const auto tab = read(kAdvancedTabKey)) settings.advancedTab = *tab;
    return settings;
}

unsigned ComputeChangeMask(const InterfaceSettings& loaded, const InterfaceSettings& current,
                           const HostResolver& resolve) {
    unsigned mask = 0;
    if (loaded.portType != current.portType) mask |= kPortTypeChanged;
    if (portNameChanged(loaded, current, resolve)) mask |= kPortNameChanged;
    if (current.portType == PortType::Serial && serialSettingsChanged(loaded, current))
        mask |= kSerialSettingsChanged;
    if (current.portType == PortType::Network && portNumberChanged(loaded, current))
        mask |= kPortNumberChanged;
    if (withTrailingSeparator(loaded.defaultFolder) != withTrailingSeparator(current.defaultFolder))
        mask |= kDefaultFolderChanged;
    if (loaded.printerModel != current.printerModel) mask |= kPrinterModelChanged;
    if (loaded.region != current.region) mask |= kRegionChanged;
    return mask;
}

void WriteChangedKeys(ProfileFile& file, unsigned mask, const InterfaceSettings& current) {
    struct KeyWrite {
        unsigned bit;
        std::string_view key;
        std::string value;
    };
    const KeyWrite writes[] = {
        {kPortTypeChanged, kPortTypeKey, std::string(PortTypeWord(current.portType))},
        {kPortNameChanged, kPortNameKey, current.portName},
        {kSerialSettingsChanged, kComSetKey, FormatComSet(current)},
        {kPortNumberChanged, kPortNumberKey, current.portNumber},
        {kDefaultFolderChanged, kDefaultFolderKey, current.defaultFolder},
        {kPrinterModelChanged, kPrinterModelKey, current.printerModel},
        {kRegionChanged, kRegionKey, std::to_string(current.region)},
    };
    for (const auto& write : writes) {
        if (mask & write.bit) file.setString(kSettingsSection, write.key, write.value);
    }
}

SettingsProblem FolderProblem(const ConfigFolderChoice& choice) {
    switch (choice.problem) {
    case ConfigFolderProblem::None:
        return {};
    case ConfigFolderProblem::NoHome:
        return {SettingsCause::NoHome};
    case ConfigFolderProblem::IsALink:
        return {SettingsCause::FolderIsALink};
    case ConfigFolderProblem::OtherOwner:
        return {SettingsCause::OtherUser};
    case ConfigFolderProblem::WritableByOthers:
        return {SettingsCause::FolderWritableByOthers};
    case ConfigFolderProblem::CannotCreate:
        return {SettingsCause::SystemError, choice.systemError};
    }
    return {SettingsCause::NoHome};
}

std::string SetAsidePath(const std::string& path) {
    return path + std::string(kSetAsideSuffix);
}

SettingsFileRead ReadSettingsFile(const std::string& path,
                                  const ProfileFile::LegacyDecoder& legacy) {
    SettingsFileRead read;
    const OwnFileRead found = readOwnFile(path, read.bytes, kSettingsReadLimit);
    if (found.missing) return read;
    read.state = SettingsFileState::Unreadable;
    if (found.otherOwner) {
        read.problem = {SettingsCause::OtherUser};
        return read;
    }
    switch (found.failure) {
    case ReadFailure::None:
        break;
    case ReadFailure::NotARegularFile:
        read.isAFolder = found.folder;
        read.problem = {SettingsCause::NotAFile};
        return read;
    case ReadFailure::TooLarge:
        read.problem = {SettingsCause::TooLarge};
        return read;
    case ReadFailure::CannotOpen:
    case ReadFailure::ReadFailed:
        read.problem = {SettingsCause::SystemError, found.systemError};
        return read;
    }
    read.file = ProfileFile::fromBytes(read.bytes, legacy);
    const size_t damaged = read.file.damagedLines();
    if (damaged * kDamagedShare > read.file.lineCount()) {
        read.file = ProfileFile();
        read.problem = {SettingsCause::Undecodable};
        return read;
    }
    read.state = damaged ? SettingsFileState::Damaged : SettingsFileState::Read;
    if (damaged) read.problem = {SettingsCause::PartlyUndecodable};
    return read;
}

SettingsSave SaveChangedSettings(const std::string& path, unsigned mask,
                                 const InterfaceSettings& current,
                                 const ProfileFile::LegacyDecoder& legacy) {
    SettingsSave save;
    if (mask == 0) return save;
    const auto failed = [&save](SettingsProblem problem) {
        save.saved = false;
        save.problem = problem;
        return save;
    };
    SettingsFileRead read = ReadSettingsFile(path, legacy);
    int error = 0;
    switch (read.state) {
    case SettingsFileState::Missing:
    case SettingsFileState::Read:
        break;
    case SettingsFileState::Damaged:
        // The lines that could not be decoded are rewritten as far as they were read; the file as
        // it stood is kept beside it.
        if (!writeFileAtomically(SetAsidePath(path), read.bytes, kSettingsFileMode, nullptr,
                                 FileModeRule::Exactly, nullptr, &error))
            return failed({SettingsCause::SystemError, error});
        save.keptAside = true;
        save.problem = read.problem;
        break;
    case SettingsFileState::Unreadable:
        if (read.isAFolder) return failed(read.problem);
        if (!moveAside(path, SetAsidePath(path), &error))
            return failed({SettingsCause::SystemError, error});
        save.keptAside = true;
        save.problem = read.problem;
        break;
    }
    ProfileFile& file = read.file;
    file.addSection(kSettingsSection);
    WriteChangedKeys(file, mask, current);
    if (!writeFileAtomically(path, file.utf16LeBytes(), kSettingsFileMode, nullptr,
                             FileModeRule::Exactly, nullptr, &error))
        return failed({SettingsCause::SystemError, error});
    return save;
}

SettingsAtStart LoadSettingsFile(const std::string& configFolder, uint16_t primaryLanguage) {
    SettingsAtStart start;
    ProfileFile file;
    if (!configFolder.empty()) {
        SettingsFileRead read =
            ReadSettingsFile(configFolder + "/" + std::string(kSettingsFileName),
                             [](std::string_view b) { return fromAnsi(b); });
        if (read.state == SettingsFileState::Unreadable) start.problem = read.problem;
        file = std::move(read.file);
    }
    start.settings = LoadSettings(file, primaryLanguage, modelNames());
    return start;
}

} // namespace tessaline
