#pragma once

#include <span>
#include <string_view>

namespace tessaline::sim {

// A setting the simulated printer starts with: its key and the value (with unit words).
struct DefaultSetting {
    std::string_view key;
    std::string_view value;
};

// The settings every simulated printer starts with, in configuration text order.
std::span<const DefaultSetting> defaultSettings();

// The emulation selection each model starts with, by emulation (native, Zebra, Eltron).
std::string_view defaultEmulationSelect(int emulation);

} // namespace tessaline::sim
