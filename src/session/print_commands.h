#pragma once

#include "session/printer_session.h"

#include <string_view>

namespace tessaline {

// The bytes that make a printer of `language` print `print`; empty for a language without such
// a command.
std::string_view PrintCommand(TestPrint print, PrinterLanguage language);

} // namespace tessaline
