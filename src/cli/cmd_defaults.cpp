#include "cli/commands.h"
#include "cli/settings_output.h"
#include "cli/tool_context.h"

namespace tessaline::cli {

int runDefaults(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("defaults takes no arguments");
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    // The Advanced settings go along while the Advanced page is in use, after its warning.
    if (tool.advancedTabOn() && !tool.coverAdvanced()) return kDeclinedOrFailed;
    printConfigurationText(DefaultConfigurationText(tool.model(), tool.advancedTabOn()),
                           tool.model(), options.json);
    return 0;
}

} // namespace tessaline::cli
