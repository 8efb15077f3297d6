#include "cli/commands.h"
#include "cli/print_test_run.h"

namespace tessaline::cli {

int runSample(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("sample takes no arguments");
    return runPrintTest(options, TestPrint::Sample);
}

} // namespace tessaline::cli
