#include "cli/commands.h"
#include "cli/configuration_file.h"
#include "cli/prepared_text.h"

namespace tessaline::cli {

int runExport(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 2) return usageError("export takes FILE and OUT");
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (const int status = importFile(tool, arguments[0])) return status;
    if (const int status = prepareText(tool)) return status;
    return exportFile(tool, arguments[1]);
}

} // namespace tessaline::cli
