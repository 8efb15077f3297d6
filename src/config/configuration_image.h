#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaline {

inline constexpr int kChoiceRowCount = 83;
inline constexpr int kConversionRowCount = 85;

// The value of one converted setting: a number in its smallest step, address bytes or a text.
struct ImageField {
    std::int32_t number = 0;
    std::array<std::uint8_t, 16> address{};
    std::string text; // ANSI bytes
};

// The typed values the reader converts a configuration text into. It lives as long as its record
// set: fields that a text does not mention keep the value of an earlier parse.
struct ConfigurationImage {
    std::array<std::uint8_t, kChoiceRowCount> choiceCodes{}; // one code per choice row
    std::array<ImageField, kConversionRowCount> fields{}; // one per conversion row (aliases share)
};

// Code of the FUNCTION SELECT field while the text being parsed has not given it.
inline constexpr std::uint8_t kFunctionSelectNotGiven = 255;

} // namespace tessaline
