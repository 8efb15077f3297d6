#pragma once

#include <string>

namespace tessaline {

// One printer setting as the pages and the configuration text see it.
struct SettingValue {
    bool selected =
        false; // the writer includes the setting; the reader sets it for what it applies
    std::string valueText; // the value as written after the key (value word, number, address, text)
    std::string unitText; // written after the value when not empty (length unit, USB serial ON/OFF)
    bool invalid = false; // sticky: raised by a parse, lowered only by ClearConfiguration
    int valueIndex = 0;   // list position of a choice
    int unitIndex = 0;    // unit position (0 INCH / 203 dpi range, 1 MM / 300 dpi range)
};

} // namespace tessaline
