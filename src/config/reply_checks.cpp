#include "config/reply_checks.h"

#include "config/line_reader.h"
#include "config/text_vocabulary.h"
#include "platform/code_page.h"

#include <array>
#include <span>

namespace tessaline {

namespace {

// A counter or RFID result value holds at most this many bytes.
constexpr std::size_t kMaxReplyValue = 39;

constexpr std::string_view kCalibrationKey = "AUTO CALIBRATION ";
constexpr std::string_view kCalibrationWords[] = {" SUCCEEDED", " FAILED"}; // codes 0, 1

constexpr std::array<std::string_view, 4> kCounterKeys = {
    "Serial Number : ", "Print Counter Length ", "Service Counter Length ", "Cut Counter "};
constexpr std::array<int, 4> kCounterRecords = {175, 176, 177, 178};

constexpr std::array<std::string_view, 3> kRfidResultKeys = {
    "RFID CALIB EXECUTED", "RFID CALIB POSITION OFFSET", "RFID CALIB POWER"};
constexpr std::array<int, 3> kRfidResultRecords = {42, 44, 45};
constexpr std::size_t kRfidSeparatorLength = 3; // TAB ":" TAB, skipped by count

struct EmulationWord {
    std::string_view word;
    int kind;
};
constexpr EmulationWord kEmulationWords[] = {
    {"CODE_ZEBRA", 1}, {"CODE_EPL", 2}, {"CODE_KALDORA", 3}};

// Hands every non-empty line of a reply (read in the code page) to `each` until the line "END",
// or also "EXIT" where `exitEnds`; `each` gets the line and its number, and returns false to
// stop early.
template <typename Each> void forEachReplyLine(std::string_view reply, bool exitEnds, Each each) {
    const std::string work = withEndLine(toAnsi(reply));
    LineReader reader(work);
    Line line;
    while (!reader.pastEnd()) {
        if (reader.read(line) == 0) continue;
        const std::string_view text = line.text;
        if (text == kEndLine || (exitEnds && text == kExitLine)) return;
        if (!each(text, reader.lineCount())) return;
    }
}

// Finds, per line, the first key that occurs in it and keeps the rest of the line after the key
// plus `skip` bytes. Stops at the line "END".
template <std::size_t N>
std::array<std::string, N> readKeyedValues(std::string_view text,
                                           const std::array<std::string_view, N>& keys,
                                           std::size_t skip) {
    std::array<std::string, N> values;
    forEachReplyLine(text, false, [&](std::string_view lineText, int) {
        for (std::size_t k = 0; k < N; ++k) {
            const std::size_t at = lineText.find(keys[k]);
            if (at == std::string_view::npos) continue;
            const std::size_t start = std::min(lineText.size(), at + keys[k].size() + skip);
            values[k] = fromAnsi(lineText.substr(start, kMaxReplyValue));
            break;
        }
        return true;
    });
    return values;
}

} // namespace

int CheckCalibrationReply(ConfigurationRecordSet& set) {
    int found = 0;
    int bad = 0;
    int code = 0;
    int firstRejectedLine = 0;
    ParsedLine tokens;
    forEachReplyLine(set.configText, true, [&](std::string_view text, int lineNumber) {
        if (tokens.tokenize(text) == 0) return true;
        if (tokens.upper(0) != kCalibrationKey) {
            if (firstRejectedLine == 0) firstRejectedLine = lineNumber;
            return true;
        }
        found = 1;
        bool matched = false;
        for (int c = 0; c < static_cast<int>(std::size(kCalibrationWords)); ++c) {
            if (tokens.upper(1) == kCalibrationWords[c]) {
                code = c;
                matched = true;
                break;
            }
        }
        if (!matched) bad = 1;
        return true;
    });
    if (found) {
        SettingValue& result = set.record(kCalibrationResultRecord);
        result.selected = 1;
        result.valueIndex = bad ? 0 : code;
        if (result.invalid == 0) result.invalid = bad;
    }
    return firstRejectedLine != 0 ? 1 : 0;
}

void ReadCounterReply(ConfigurationRecordSet& set) {
    const auto values = readKeyedValues(set.configText, kCounterKeys, 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        set.record(kCounterRecords[i]).valueText = values[i];
        set.record(kCounterRecords[i]).selected = 1;
    }
}

void ReadRfidCalibrationReply(ConfigurationRecordSet& set) {
    const auto values = readKeyedValues(set.configText, kRfidResultKeys, kRfidSeparatorLength);
    for (std::size_t i = 0; i < values.size(); ++i) {
        set.record(kRfidResultRecords[i]).valueText = values[i];
        set.record(kRfidResultRecords[i]).selected = 1;
    }
}

int QueryMachineEmulation(const ConfigurationRecordSet& set) {
    int kind = 0;
    ParsedLine tokens;
    // The first line that names the machine emulation decides.
    forEachReplyLine(set.emulationReply, false, [&](std::string_view text, int) {
        if (text.find(kMachineEmulationKey) == std::string_view::npos) return true;
        tokens.tokenize(text);
        for (const auto& word : kEmulationWords)
            if (tokens.upper(1) == word.word) kind = word.kind;
        return false;
    });
    return kind;
}

} // namespace tessaline
