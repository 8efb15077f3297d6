#include "cli/commands.h"
#include "cli/configuration_file.h"
#include "cli/prepared_text.h"

namespace tessaline::cli {

int runSend(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1) return usageError("send takes one FILE");
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (const int status = importFile(tool, arguments[0])) return status;
    if (const int status = prepareText(tool)) return status;
    return sendPreparedText(tool);
}

} // namespace tessaline::cli
