#pragma once

#include "config/configuration_record_set.h"

namespace tessaline {

enum class ParseMode {
    // The writer's own text: wrong values are marked invalid and accepted numbers are rewritten
    // in their normal form.
    Check,
    // A printer reply, a file or the last configuration: its first two lines are the command
    // prefix and are skipped; every setting found becomes selected.
    Apply,
};

// Reads the record set's configText into the records through the configuration image. A wrong
// value marks its record invalid; unknown keys are ignored, so no line is rejected as a whole.
void ParseConfigurationText(ConfigurationRecordSet& set, ParseMode mode);

} // namespace tessaline
