#pragma once

#include <string>
#include <string_view>

namespace tessaline::cli {

// Prints a configuration text as it stands with LF line ends, or with --json puts it in the reply
// as "model": N, "text": "...", "settings": [{"key": ..., "value": ..., "unit": ...}, ...].
void printConfigurationText(std::string_view text, int model, bool json);

// A text for the terminal: CR LF and lone CR become LF.
std::string withLineFeeds(std::string_view text);

} // namespace tessaline::cli
