#pragma once

#include "text/region.h"

#include <optional>
#include <string>

namespace tessaline::cli {

// A model given by its position 0..5, by its name, or by the name before " ("; nullopt for
// anything else.
std::optional<int> modelFromOption(const std::string& text);

// The language of --language (en, ja, zh, ko); nullopt for any other text.
std::optional<Region> regionFromOption(const std::string& language);

// The user's language from the locale, for commands that read no settings file.
Region userRegion();

} // namespace tessaline::cli
