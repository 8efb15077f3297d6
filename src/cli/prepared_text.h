#pragma once

#include "cli/tool_context.h"

namespace tessaline::cli {

// The text Send and Export write: the included settings of the Standard page (taken from the Easy
// page first when `fromEasy`) and, when covered, of the Advanced page, checked and normalised into
// records().configText. 0, or the exit status (24 nothing included, 23 refused values).
int prepareText(ToolContext& tool, bool fromEasy = false);

// Send Configuration of the prepared text, after the send question.
int sendPreparedText(ToolContext& tool);

} // namespace tessaline::cli
