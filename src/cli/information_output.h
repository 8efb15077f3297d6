#pragma once

#include "pages/information_page.h"

namespace tessaline::cli {

// The Information page's status texts (the group the emulation shows) and, with
// `withCounters`, its four counters: "Label : text" lines, or one JSON object with
// "status" and "counters".
void printInformation(const InformationPage& page, bool withCounters, bool json);

} // namespace tessaline::cli
