#pragma once

#include "cli/tool_context.h"
#include "selfinfo/self_info_texts.h"
#include "transport/request_kind.h"

namespace tessaline::cli {

// The receives of the tool. Each holds the receive lock from start to end, so that no other
// receive of the user's programs runs meanwhile; when another program holds it, that is said and
// the exit status is 82. Each returns 0, or the exit status (the code shown).

// Receive of one configuration request (StandardConfig for the Easy page, AllConfig for the
// Standard page, AdvancedConfig) onto the pages, after the receive question.
int receiveConfiguration(ToolContext& tool, RequestKind kind);

// Receive on the Information page: the status, and unless `statusOnly` the counters after the
// receive question.
int receiveInformation(ToolContext& tool, bool statusOnly);

// Self Info: the machine information and the standard configuration, after the receive question.
int receiveSelfInformation(ToolContext& tool, SelfInfoTexts& texts);

} // namespace tessaline::cli
