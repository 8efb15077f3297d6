#pragma once

#include "config/configuration_record_set.h"

namespace tessaline {

// Appends one line per selected setting and the last line "END" to configText. Covers the
// Advanced entries when `advanced` is set.
void WriteConfigurationText(ConfigurationRecordSet& set, bool advanced);

} // namespace tessaline
