#include "cli/commands.h"
#include "cli/print_test_run.h"

namespace tessaline::cli {

int runSelfTest(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("selftest takes no arguments");
    return runPrintTest(options, TestPrint::SelfTest);
}

} // namespace tessaline::cli
