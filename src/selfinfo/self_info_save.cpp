#include "selfinfo/self_info_save.h"

#include "platform/atomic_file.h"
#include "platform/code_page.h"

namespace tessaline {

namespace {

constexpr std::string_view kModelMarker = "Model Number";
constexpr std::string_view kSerialMarker = "\r\nSerial Number";
constexpr size_t kModelValueOffset = 15;  // "Model Number\t:\t"
constexpr size_t kSerialValueOffset = 18; // CR LF "Serial Number\t:\t"
constexpr size_t kSerialLength = 22;
constexpr mode_t kCsvMode = 0666; // less the umask

constexpr const char* kFolderError = "Error: Could not create a folder.";
constexpr const char* kNoModel = "Error: No \"Model Number\".";
constexpr const char* kNoSerial = "Error: No \"Serial Number\".";
constexpr const char* kOpenError = "Error: Failed to open a file.";
constexpr const char* kWriteError = "Error: Failed to write data.";
constexpr const char* kFolderTitle = "Folder Error";
constexpr const char* kDataTitle = "Data Error";
constexpr const char* kFileTitle = "File Error";
constexpr const char* kSavedTitle = "Save";
constexpr const char* kSavedSuffix = " was saved.";

std::string formatTime(const std::tm& time, const char* format) {
    char text[64] = {};
    std::strftime(text, sizeof text, format, &time);
    return text;
}

// The first `count` characters (not bytes) of a UTF-8 text.
std::string firstCharacters(std::string_view text, size_t count) {
    size_t at = 0;
    for (size_t taken = 0; at < text.size() && taken < count; ++taken) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return std::string(text.substr(0, at));
}

void trimTrailingSpace(std::string& text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.pop_back();
}

// A printer-supplied name must stay one file name inside the day's folder: a line break ends it,
// and path separators and control characters become "_".
std::string fileNamePart(std::string text) {
    const auto lineBreak = text.find_first_of("\r\n");
    if (lineBreak != std::string::npos) text.resize(lineBreak);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7F) c = '_';
    }
    return text;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    for (auto at = text.find(from); at != std::string_view::npos; at = text.find(from)) {
        out.append(text.substr(0, at)).append(to);
        text.remove_prefix(at + from.size());
    }
    return out.append(text);
}

} // namespace

SelfInfoSaveResult SaveSelfInformation(const std::string& machineText,
                                       const std::string& settingsText, const std::tm& localTime,
                                       const std::string& baseFolder) {
    const std::string day = formatTime(localTime, "%Y%m%d");
    const std::string folder = baseFolder + "/" + day;

    const auto model = machineText.find(kModelMarker);
    if (model == std::string::npos) return {kNoModel, kDataTitle, false, {}};
    const auto serial = machineText.find(kSerialMarker);
    if (serial == std::string::npos) return {kNoSerial, kDataTitle, false, {}};

    const size_t modelStart = model + kModelValueOffset;
    const std::string modelName =
        modelStart < serial ? machineText.substr(modelStart, serial - modelStart) : std::string();
    const size_t serialStart = serial + kSerialValueOffset;
    std::string serialNumber =
        serialStart < machineText.size()
            ? firstCharacters(std::string_view(machineText).substr(serialStart), kSerialLength)
            : std::string();
    trimTrailingSpace(serialNumber);

    const std::string name = day + "/" + fileNamePart(modelName) + "_" +
                             fileNamePart(serialNumber) + formatTime(localTime, "_%Y%m%d_%H%M%S_") +
                             ".csv";

    const std::string content =
        replaceAll(replaceAll(machineText + "\r\n" + settingsText, ",", "."), "\t:\t", ",");
    const std::string bytes = toAnsi(content);

    // The day's folder is made only for a file that is written; a failed save leaves nothing.
    bool folderMade = false;
    if (!makeFolder(folder, &folderMade)) return {kFolderError, kFolderTitle, false, {}};
    const std::string path = baseFolder + "/" + name;
    WriteFailure failure = WriteFailure::None;
    if (!writeFileAtomically(path, bytes, kCsvMode, nullptr, FileModeRule::AsUserWishes,
                             &failure)) {
        if (folderMade) removeEmptyFolder(folder);
        if (failure == WriteFailure::CannotCreate) return {kOpenError, kFileTitle, false, {}};
        return {kWriteError, kFileTitle, true, {}};
    }
    return {"\"" + name + "\"" + kSavedSuffix, kSavedTitle, true, name};
}

} // namespace tessaline
