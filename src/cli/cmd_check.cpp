#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/settings_output.h"

namespace tessaline::cli {

int runCheck(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1) return usageError("check takes one FILE");
    CliSession session(options);
    if (const int status = session.start()) return status;
    if (!session.importFile(arguments[0])) return session.exitStatus();
    if (!session.prepareSendText()) return session.exitStatus();
    printConfigurationText(session.records().configText, session.window().model(), options.json);
    return session.exitStatus();
}

} // namespace tessaline::cli
