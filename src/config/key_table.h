#pragma once

#include <span>
#include <string_view>

namespace tessaline {

inline constexpr int kRecordCount = 180;
inline constexpr int kKeyEntryCount = 179;
// The writer covers entries below this count, or below kAdvancedEntryCount when the Advanced
// settings are confirmed.
inline constexpr int kStandardEntryCount = 118;
inline constexpr int kAdvancedEntryCount = 176;

// Records without a key entry.
inline constexpr int kUnusedRecord = 88;
inline constexpr int kCounterSerialRecord = 175; // 175..178: the four counter values
inline constexpr int kCounterRecordCount = 4;
inline constexpr int kCalibrationResultRecord = 179;

// One line of the configuration text: the key word, the value record it carries and the unit
// suffix written at the end of the line (for the head-check positions: between separator and
// value).
struct KeyEntry {
    int record;
    std::string_view key;
    std::string_view unitSuffix;
};

// The 179 entries in the order of the lines of every configuration text.
std::span<const KeyEntry> keyTable();

// Record of the last key-table entry carrying this key (the one available on the six models),
// or -1 when no entry carries it.
int recordOfKey(std::string_view key);

} // namespace tessaline
