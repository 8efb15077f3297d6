#include "cli/commands.h"
#include "cli/configuration_file.h"
#include "cli/prepared_text.h"
#include "cli/printer_receive.h"
#include "cli/settings_output.h"

#include <optional>

namespace tessaline::cli {

namespace {

// The request of each page a receive can fill.
struct ScopeWord {
    std::string_view word;
    RequestKind request;
};
constexpr ScopeWord kScopes[] = {
    {"easy", RequestKind::StandardConfig},
    {"standard", RequestKind::AllConfig},
    {"advanced", RequestKind::AdvancedConfig},
};
constexpr std::string_view kOutputFlag = "-o";

} // namespace

int runReceive(const CliOptions& options, std::span<const std::string> arguments) {
    RequestKind request = RequestKind::AllConfig;
    std::optional<std::string> output;
    bool scopeGiven = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == kOutputFlag) {
            if (i + 1 >= arguments.size() || output) return usageError("receive: -o takes one OUT");
            output = arguments[++i];
            continue;
        }
        bool known = false;
        for (const auto& scope : kScopes) {
            if (arguments[i] != scope.word || scopeGiven) continue;
            request = scope.request;
            scopeGiven = known = true;
        }
        if (!known) return usageError("receive takes [easy|standard|advanced] [-o OUT]");
    }

    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (request == RequestKind::AdvancedConfig) {
        if (!tool.advancedTabOn())
            return usageError("receive advanced needs --advanced (or ADVANCED_TAB=ON)");
        if (!tool.coverAdvanced()) return kDeclinedOrFailed;
    }
    if (const int status = receiveConfiguration(tool, request)) return status;
    // The Easy page's request fills the Easy page, whose settings Send and Export take.
    if (const int status = prepareText(tool, request == RequestKind::StandardConfig)) return status;
    if (output) return exportFile(tool, *output);
    printConfigurationText(tool.records().configText, tool.model(), options.json);
    return 0;
}

} // namespace tessaline::cli
