#include "config/printer_models.h"

namespace tessaline {

namespace {

// Base name; for the emulation entries the base name with "Z" or "E", then the emulation in
// parentheses with the registered sign.
constexpr std::string_view kModelNames[kModelCount] = {
    "RV-940", "RV-940Z (Zebra\u00AE Emulation)", "RV-940E (Eltron\u00AE Emulation)",
    "RV-943", "RV-943Z (Zebra\u00AE Emulation)", "RV-943E (Eltron\u00AE Emulation)",
};

} // namespace

std::span<const std::string_view> modelNames() {
    return kModelNames;
}

int modelIndexOf(std::string_view name) {
    for (int i = 0; i < kModelCount; ++i)
        if (kModelNames[i] == name) return i;
    return 0;
}

} // namespace tessaline
