#include "cli/cli_session.h"
#include "cli/commands.h"

namespace tessaline::cli {

int runExport(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 2) return usageError("export takes FILE and OUT");
    CliSession session(options);
    if (const int status = session.start()) return status;
    if (!session.importFile(arguments[0])) return session.exitStatus();
    session.terminal().queueFile(arguments[1]);
    session.window().OnExport();
    return session.exitStatus();
}

} // namespace tessaline::cli
