#pragma once

#include <span>
#include <string_view>

namespace tessaline {

inline constexpr int kModelCount = 6;

enum class BaseModel { Rv940 = 0, Rv943 = 1 };            // 203 dpi and 300 dpi head
enum class Emulation { None = 0, Zebra = 1, Eltron = 2 }; // the command language

// The six model names in list order (UTF-8); the model index is the position.
std::span<const std::string_view> modelNames();

// Position of a model name in the list, 0 when it is not there.
int modelIndexOf(std::string_view name);

constexpr BaseModel baseModelOf(int modelIndex) {
    return static_cast<BaseModel>(modelIndex / 3);
}
constexpr Emulation emulationOf(int modelIndex) {
    return static_cast<Emulation>(modelIndex % 3);
}
constexpr bool isValidModelIndex(int modelIndex) {
    return modelIndex >= 0 && modelIndex < kModelCount;
}

} // namespace tessaline
