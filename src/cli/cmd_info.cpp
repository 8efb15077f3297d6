#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/information_output.h"

namespace tessaline::cli {

namespace {

// Receive on the Information tab: with `statusOnly` as "Receive Printer Status only" ticked,
// the status texts alone, else the counters too.
int receiveInformation(const CliOptions& options, std::span<const std::string> arguments,
                       bool statusOnly) {
    if (!arguments.empty())
        return usageError(statusOnly ? "status takes no arguments" : "info takes no arguments");
    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    window.ChangeTab(TabIndex::Information);
    window.information.setStatusOnly(statusOnly);
    if (!session.receive()) return session.exitStatus();
    printInformation(window.information, !statusOnly, options.json);
    return session.exitStatus();
}

} // namespace

int runInfo(const CliOptions& options, std::span<const std::string> arguments) {
    return receiveInformation(options, arguments, false);
}

int runStatus(const CliOptions& options, std::span<const std::string> arguments) {
    return receiveInformation(options, arguments, true);
}

} // namespace tessaline::cli
