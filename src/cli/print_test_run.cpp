#include "cli/print_test_run.h"

#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/tool_context.h"

#include <cstdio>

namespace tessaline::cli {

namespace {

// Why nothing was printed: the printer named no language these commands exist in (32), or did not
// answer the question for its language at all (82). The session does not tell the two apart, so
// the printer is asked once more.
int sayNothingPrinted(ToolContext& tool) {
    const SessionResult<std::string> reply =
        tool.session().request(RequestKind::StandardConfig, EmulationKind::Native);
    std::fprintf(stderr, "tessaline-cli: the printer did not report a printer language it can "
                         "print this in; nothing was printed\n");
    if (reply) return tool.fail(flow::kReplyErrorCode);
    return tool.fail(reply.error().detail, flow::kReceptionErrorCode);
}

} // namespace

int runPrintTest(const CliOptions& options, TestPrint print) {
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (!tool.ask(flow::kConfirmPrintMessage)) return kDeclinedOrFailed;
    const SessionResult<TestPrintResult> printed = tool.session().printTest(print);
    if (!printed) return tool.fail(printed.error());
    if (*printed == TestPrintResult::LanguageWithoutCommand) return sayNothingPrinted(tool);
    return 0;
}

int runPrintFile(const CliOptions& options, const std::string& file) {
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (!tool.ask(flow::kConfirmPrintMessage)) return kDeclinedOrFailed;
    const SessionResult<Done> sent = tool.session().printFile(file);
    return sent ? 0 : tool.fail(sent.error());
}

} // namespace tessaline::cli
