#include "sim/default_settings.h"

namespace tessaline::sim {
namespace {

constexpr DefaultSetting kDefaults[] = {
    {"GLOBAL CONFIG", "CONFIG SET 1"},
    {"PRINT SPEED", "7 IPS"},
    {"PRINT DARKNESS", "12"},
    {"DARKNESS ADJUST", "0"},
    {"PRINT METHOD", "TT"},
    {"CONTINUOUS MEDIA LENGTH", "4.00\tINCH"},
    {"VERTICAL POSITION", "0.00\tINCH"},
    {"HORIZONTAL SHIFT", "0.00\tINCH"},
    {"SENSOR SELECT", "REAR ADJ SENSOR"},
    {"MEDIA SENSOR", "SEE THROUGH"},
    {"SMALL MEDIA ADJUSTMENT", "OFF"},
    {"SMALL MEDIA LENGTH", "1.00\tINCH"},
    {"SENSOR LEVEL", "AUTO"},
    {"AUTOCONFIGURE", "OFF"},
    {"FUNCTION SELECT", "OFF"},
    {"USB DEVICE CLASS", "PRINTER"},
    {"TOP FORM SENSING", "ON"},
    {"PRINT PREFERENCE", "Darkness"},
};

constexpr std::string_view kEmulationSelect[] = {"DM4", "ZPI2", "EPI2"};

} // namespace

std::span<const DefaultSetting> defaultSettings() {
    return kDefaults;
}

std::string_view defaultEmulationSelect(int emulation) {
    return kEmulationSelect[emulation >= 0 && emulation < 3 ? emulation : 0];
}

} // namespace tessaline::sim
