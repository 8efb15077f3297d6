#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/information_output.h"

namespace tessaline::cli {

int runInfo(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("info takes no arguments");
    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    window.ChangeTab(TabIndex::Information);
    window.information.setStatusOnly(false);
    if (!session.receive()) return session.exitStatus();
    printInformation(window.information, true, options.json);
    return session.exitStatus();
}

} // namespace tessaline::cli
