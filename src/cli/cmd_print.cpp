#include "cli/commands.h"
#include "cli/print_test_run.h"

namespace tessaline::cli {

int runPrint(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1 || arguments[0].empty()) return usageError("print takes one FILE");
    return runPrintFile(options, arguments[0]);
}

} // namespace tessaline::cli
