#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// Largest magnitude the reader accepts in a number; longer numbers are rejected.
inline constexpr int kNumberLimit = 32767;

// A decimal number with `decimals` (0, 1 or 2) places, in steps of 10^-decimals: "4.5" with one
// decimal is 45, "4" with two is 400. Extra places are accepted only when they are zeros.
std::optional<int> readDecimal(std::string_view token, int decimals);

// The digits of `token` as one number, points ignored, negative when it holds a "-".
std::optional<int> readDigits(std::string_view token);

// `value` / 10^decimals printed with `decimals` places ("-0.5", "4.00").
std::string formatScaled(int value, int decimals);

} // namespace tessaline
