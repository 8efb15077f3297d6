#include "cli/commands.h"
#include "cli/information_output.h"
#include "cli/printer_receive.h"

namespace tessaline::cli {

namespace {

// Receive on the Information page: with `statusOnly` ("Receive Printer Status only") the status
// texts alone, else the counters too.
int runInformation(const CliOptions& options, std::span<const std::string> arguments,
                   bool statusOnly) {
    if (!arguments.empty())
        return usageError(statusOnly ? "status takes no arguments" : "info takes no arguments");
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (const int status = receiveInformation(tool, statusOnly)) return status;
    printInformation(tool.editor().information, !statusOnly, options.json);
    return 0;
}

} // namespace

int runInfo(const CliOptions& options, std::span<const std::string> arguments) {
    return runInformation(options, arguments, false);
}

int runStatus(const CliOptions& options, std::span<const std::string> arguments) {
    return runInformation(options, arguments, true);
}

} // namespace tessaline::cli
