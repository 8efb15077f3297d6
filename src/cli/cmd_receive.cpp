#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/settings_output.h"

#include <optional>

namespace tessaline::cli {

namespace {

struct ScopeWord {
    std::string_view word;
    TabIndex tab;
};
constexpr ScopeWord kScopes[] = {
    {"easy", TabIndex::Easy},
    {"standard", TabIndex::Standard},
    {"advanced", TabIndex::Advanced},
};
constexpr std::string_view kOutputFlag = "-o";

} // namespace

int runReceive(const CliOptions& options, std::span<const std::string> arguments) {
    TabIndex tab = TabIndex::Standard;
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
            tab = scope.tab;
            scopeGiven = known = true;
        }
        if (!known) return usageError("receive takes [easy|standard|advanced] [-o OUT]");
    }

    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    if (tab == TabIndex::Advanced && !window.advancedTabOn())
        return usageError("receive advanced needs --advanced (or ADVANCED_TAB=ON)");
    if (!window.ChangeTab(tab)) return session.exitStatus();
    if (!session.receive()) return session.exitStatus();
    if (output) {
        session.terminal().queueFile(*output);
        window.OnExport();
        return session.exitStatus();
    }
    if (!session.prepareSendText()) return session.exitStatus();
    printConfigurationText(session.records().configText, window.model(), options.json);
    return session.exitStatus();
}

} // namespace tessaline::cli
