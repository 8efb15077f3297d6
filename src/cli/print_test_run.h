#pragma once

#include "cli/options.h"
#include "pages/print_test_page.h"

#include <string>

namespace tessaline::cli {

// The Execute button of the Print Test tab in `mode`; for SendFile `file` is the file field.
int runPrintTest(const CliOptions& options, PrintMode mode, const std::string& file = {});

} // namespace tessaline::cli
