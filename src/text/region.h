#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaline {

// The user-interface language; its value is the column of every localised text.
enum class Region : int32_t {
    English = 0,
    Japanese = 1,
    Chinese = 2, // Simplified Chinese
    Korean = 3,
};

inline constexpr int kRegionCount = 4;

inline constexpr Region kAllRegions[kRegionCount] = {Region::English, Region::Japanese,
                                                     Region::Chinese, Region::Korean};

// The text column of a region; a value outside 0..3 reads the English column.
constexpr int RegionColumn(Region region) {
    const auto column = static_cast<int32_t>(region);
    return column >= 0 && column < kRegionCount ? column : 0;
}

// The region of a stored number 0..3; nullopt for any other number.
std::optional<Region> RegionFromNumber(int64_t number);

// The short language code of a region: "en", "ja", "zh", "ko".
std::string_view RegionCode(Region region);

// The region of a language code "en", "ja", "zh" or "ko"; nullopt for any other text.
std::optional<Region> RegionFromCode(std::string_view code);

} // namespace tessaline
