#pragma once

#include <string_view>

namespace tessaline {

inline constexpr int kSymbolSetCount = 89;

// Position of a two-character symbol set code (case-sensitive), or -1.
int symbolSetPosition(std::string_view code);

} // namespace tessaline
