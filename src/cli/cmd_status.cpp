#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/information_output.h"

namespace tessaline::cli {

int runStatus(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("status takes no arguments");
    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    window.ChangeTab(TabIndex::Information);
    window.information.setStatusOnly(true);
    if (!session.receive()) return session.exitStatus();
    printInformation(window.information, false, options.json);
    return session.exitStatus();
}

} // namespace tessaline::cli
