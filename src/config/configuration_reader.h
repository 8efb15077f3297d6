#pragma once

#include "config/configuration_record_set.h"

namespace tessaline {

// Reads the record set's configText into the records through the configuration image.
// apply = 1: a printer reply, a file or the last configuration; its first two lines are the
// command prefix and are skipped; every setting found becomes selected.
// apply = 0: the writer's own text; wrong values are marked invalid and accepted numbers are
// rewritten in their normal form.
// Result 1 with badLineNumber and badLineText when a line is rejected as a whole, else 0; no line
// is rejected as a whole today.
int ParseConfigurationText(ConfigurationRecordSet& set, int apply);

} // namespace tessaline
