#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// The two texts the self-information dialog shows.
struct SelfInfoTexts {
    std::string machineText;  // machine information, key settings and the head check line
    std::string settingsText; // extract of the current settings
};

// Prepares the texts from the printer's machine information and its standard configuration
// reply: blank lines before "Boot Version" and "Print Counter", then four key settings, then the
// head check line last.
SelfInfoTexts PrepareSelfInfoTexts(std::string_view machineInformation,
                                   std::string_view settingsReply);

} // namespace tessaline
