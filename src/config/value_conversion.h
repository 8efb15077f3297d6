#pragma once

#include "config/configuration_image.h"
#include "config/conversion_table.h"
#include "config/line_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tessaline {

// Unit codes a conversion reports with an accepted value.
inline constexpr int kUnitNone = -1;
inline constexpr int kUnitMm = 0;
inline constexpr int kUnitInch = 1;
inline constexpr int kUnitVolt = 10;
inline constexpr int kUnitDots203 = 11;
inline constexpr int kUnitDots300 = 12;

// What a conversion depends on besides its line.
struct ConversionContext {
    int modelIndex = 0;
    std::array<int, 3> headCheckFlags{}; // 1: the 300 dpi range may be used (by HeadCheckFlag)
    std::uint8_t functionSelect = kFunctionSelectNotGiven;
};

struct ConversionResult {
    bool accepted = false;
    int unitCode = kUnitNone;
};

// Checks the value of `line` by the row's rule and, when it is valid, stores it in `field`.
ConversionResult convertValue(const ConversionRow& row, const ParsedLine& line,
                              const ConversionContext& context, ImageField& field);

// Whether the model shows VERTICAL IMAGE SHIFT as a length (the native models) or in dots.
bool verticalShiftIsLength(int modelIndex);

// The numbers the row takes on the model, for telling a person why a value was refused:
// "0–30", "-120–120 DOTS", "0.0–99.9 MM, 0.00–3.93 INCH". nullopt for a row whose values are
// no plain range (addresses, texts, a range that depends on another setting).
std::optional<std::string> AcceptedRangeText(const ConversionRow& row, int modelIndex);

} // namespace tessaline
