#include "cli/cli_session.h"
#include "cli/commands.h"

namespace tessaline::cli {

int runSend(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1) return usageError("send takes one FILE");
    CliSession session(options);
    if (const int status = session.start()) return status;
    if (!session.importFile(arguments[0])) return session.exitStatus();
    session.window().OnSendConfiguration();
    return session.exitStatus();
}

} // namespace tessaline::cli
