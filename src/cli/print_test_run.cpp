#include "cli/print_test_run.h"

#include "app/flow_codes.h"
#include "cli/cli_session.h"

#include <cstdio>

namespace tessaline::cli {

int runPrintTest(const CliOptions& options, PrintMode mode, const std::string& file) {
    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    window.ChangeTab(TabIndex::PrintTest);
    window.printTest.setPrintMode(mode);
    if (mode == PrintMode::SendFile) window.printTest.setFileField(file);
    window.OnSendConfiguration();
    if (session.exitStatus() != 0 || mode == PrintMode::SendFile) return session.exitStatus();
    // The printer named no language these commands exist in: nothing was printed.
    if (session.records().configText.empty()) {
        std::fprintf(stderr, "tessaline-cli: the printer did not report a printer language it "
                             "can print this in; nothing was printed\n");
        return session.fail(session.records().emulationReply.empty() ? flow::kReceptionErrorCode
                                                                     : flow::kReplyErrorCode);
    }
    return session.exitStatus();
}

} // namespace tessaline::cli
