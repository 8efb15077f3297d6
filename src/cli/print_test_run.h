#pragma once

#include "cli/options.h"
#include "session/printer_session.h"

#include <string>

namespace tessaline::cli {

// Print Test: the self test or the sample label in the printer's language, after the print
// question.
int runPrintTest(const CliOptions& options, TestPrint print);

// Print Test with a print file: the file unchanged, after the print question.
int runPrintFile(const CliOptions& options, const std::string& file);

} // namespace tessaline::cli
