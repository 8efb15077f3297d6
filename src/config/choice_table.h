#pragma once

#include "config/configuration_image.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tessaline {

struct ChoiceWord {
    std::string_view word;
    std::uint8_t code;
};

// How the transfer step turns a stored code into the record's list position.
enum class ChoicePosition {
    Code,             // position = code
    BaudRate,         // codes 1, 2, 3, 5, 7, 8, 9 are positions 0..6
    AfterPrinterKind, // position = code + 1 (the list starts with the two emulation words)
    QuickRejected,    // position = code - 1; the code 0 ("QUICK") marks the setting invalid
    MachineEmulation, // selects the emulation record when no emulation word was taken
    NotTransferred,
};

// One row of the choice table: a key whose value is one word of a fixed list.
struct ChoiceRow {
    std::string_view key;
    std::span<const ChoiceWord> words;
    ChoicePosition position = ChoicePosition::Code;
    int record = -1; // -1: the record of the key's key-table entry
};

// The 83 rows in the order in which lines are matched and records filled.
std::span<const ChoiceRow> choiceTable();

// Record that choice row `rowIndex` fills, or -1 when it fills none.
int choiceRecord(int rowIndex);

// List position of a valid code; -1 when the code marks the setting invalid.
int choicePosition(const ChoiceRow& row, int code);

// Row index of the FUNCTION SELECT row, whose code the PAPER POSITION range depends on.
int functionSelectRow();

} // namespace tessaline
