#pragma once

#include <string>

namespace tessaline {

// The settings the Easy, Standard and Sensor Adjustment pages hand each other. A receiving page
// applies only the items marked present.
struct PageTransfer {
    int configSetPresent = 0;
    int configSetIndex = 0;
    int mediaPresent = 0;
    int mediaKind = 0; // 0 labels with gaps, 1 black marks, 2 continuous
    std::string paperLengthText;
    int paperLengthUnitIndex = 0;
    int printMethodPresent = 0;
    int printMethodIndex = 0;
    int postPrintPresent = 0;
    int postPrintIndex = 0;
    int startOffsetPresent = 0;
    std::string startOffsetText;
    int startOffsetUnitIndex = 0;
    int stopOffsetPresent = 0;
    std::string stopOffsetText;
    int stopOffsetUnitIndex = 0;
};

} // namespace tessaline
