#pragma once

#include "transport/request_kind.h"

#include <string>
#include <string_view>

namespace tessaline {

// Empties `slot` and fills it with the text of the request `kind`. The status query depends on
// the printer's language; for kind 6 with an emulation kind outside 0..2, and for kinds that
// name no request, the slot stays empty.
void BuildRequest(std::string& slot, RequestKind kind, EmulationKind emulation);

// The status query bytes of an emulation kind; empty outside 0..2.
std::string_view StatusQuery(EmulationKind emulation);

// The bytes that go to the printer for `text` (a request or configuration, UTF-8): the command
// prefix, except in front of the status query, and the text in the ANSI code page.
std::string FrameForPrinter(RequestKind kind, std::string_view text);

} // namespace tessaline
