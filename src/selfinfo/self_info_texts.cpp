#include "selfinfo/self_info_texts.h"

namespace tessaline {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEnd = "END\r\n";
constexpr std::string_view kModelNumber = "Model Number";
constexpr std::string_view kBootVersion = "Boot Version";
constexpr std::string_view kHeadCheck = "Head Check";
constexpr std::string_view kHeadCheckLines[] = {"Head Check\t:\tOK\r\n", "Head Check\t:\tNG\r\n"};
constexpr std::string_view kPrintCounter = "Print Counter";
constexpr std::string_view kGlobalConfig = "GLOBAL CONFIG";
constexpr std::string_view kSettingsBreaks[] = {"PRINT SPEED", "SENSOR LEVEL", "AUTOCONFIGURE",
                                                "USB DEVICE CLASS"};
constexpr std::string_view kKeySettings[] = {"PRINT SPEED", "PRINT METHOD", "MEDIA SENSOR",
                                             "FUNCTION SELECT"};

// The text from the first `marker` on; the whole text when it is absent.
std::string fromMarker(std::string_view text, std::string_view marker) {
    const auto at = text.find(marker);
    return std::string(at == std::string_view::npos ? text : text.substr(at));
}

// The text before the first "END\r\n"; empty when there is none.
void cutAtEnd(std::string& text) {
    const auto at = text.find(kEnd);
    text.resize(at == std::string::npos ? 0 : at);
}

// A line break in front of the first `marker`, at the start when it is absent.
void breakBefore(std::string& text, std::string_view marker) {
    const auto at = text.find(marker);
    text.insert(at == std::string::npos ? 0 : at, kLineEnd);
}

void removeAll(std::string& text, std::string_view piece) {
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at))
        text.erase(at, piece.size());
}

// From `at` up to the next CR LF, followed by CR LF.
std::string lineFrom(const std::string& text, size_t at) {
    const auto end = text.find(kLineEnd, at);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at) +
           std::string(kLineEnd);
}

} // namespace

SelfInfoTexts PrepareSelfInfoTexts(std::string_view machineInformation,
                                   std::string_view settingsReply) {
    std::string machine = fromMarker(machineInformation, kModelNumber);
    cutAtEnd(machine);
    breakBefore(machine, kBootVersion);

    std::string headCheck;
    if (const auto at = machine.find(kHeadCheck); at != std::string::npos) {
        headCheck = lineFrom(machine, at);
        for (const auto line : kHeadCheckLines)
            removeAll(machine, line);
    }
    breakBefore(machine, kPrintCounter);

    std::string settings = fromMarker(settingsReply, kGlobalConfig);
    for (const auto marker : kSettingsBreaks)
        breakBefore(settings, marker);
    cutAtEnd(settings);

    machine += kLineEnd;
    for (const auto key : kKeySettings) {
        const auto at = settings.find(key, 1);
        if (at != std::string::npos) machine += lineFrom(settings, at);
    }
    machine += headCheck;
    return {machine, settings};
}

} // namespace tessaline
