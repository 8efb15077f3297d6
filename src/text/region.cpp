#include "text/region.h"

namespace tessaline {

namespace {
constexpr std::string_view kRegionCodes[kRegionCount] = {"en", "ja", "zh", "ko"};
} // namespace

std::optional<Region> RegionFromNumber(int64_t number) {
    if (number < 0 || number >= kRegionCount) return std::nullopt;
    return static_cast<Region>(number);
}

std::string_view RegionCode(Region region) {
    return kRegionCodes[RegionColumn(region)];
}

std::optional<Region> RegionFromCode(std::string_view code) {
    for (const Region region : kAllRegions) {
        if (RegionCode(region) == code) return region;
    }
    return std::nullopt;
}

} // namespace tessaline
