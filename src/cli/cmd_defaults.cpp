#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/settings_output.h"

namespace tessaline::cli {

int runDefaults(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("defaults takes no arguments");
    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    // Asking whether to restore defaults would ask about nothing: the command only prints.
    session.person().answerNextQuestion(true);
    window.OnRestoreDefaults();
    session.person().takeScriptedAnswerUsed();
    window.SetCheckAllBox(true);
    if (window.advancedTabOn()) {
        if (!window.ChangeTab(TabIndex::Advanced)) return session.exitStatus();
        window.SetCheckAllBox(true);
    }
    if (!session.prepareSendText()) return session.exitStatus();
    printConfigurationText(session.records().configText, window.model(), options.json);
    return session.exitStatus();
}

} // namespace tessaline::cli
