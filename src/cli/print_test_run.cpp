#include "cli/print_test_run.h"

#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/tool_context.h"

namespace tessaline::cli {

namespace {

// Why nothing was printed: the printer named no language these commands exist in (32), or did not
// answer the question for its language at all (82, with the read's detail too).
int sayNothingPrinted(ToolContext& tool, const SessionError* noReply) {
    const ErrorDetail nothing = ErrorDetail(DetailPhrase::NoSuchPrintCommand)
                                    .text("interface", tool.session().interfaceText());
    if (!noReply) return tool.fail(flow::kReplyErrorCode, nothing);
    tool.fail(flow::kReceptionErrorCode, noReply->detail);
    SayDetail(nothing, tool.region());
    return flow::kReceptionErrorCode;
}

} // namespace

int runPrintTest(const CliOptions& options, TestPrint print) {
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    if (!tool.ask(flow::kConfirmPrintMessage)) return kDeclinedOrFailed;
    const SessionResult<TestPrintResult> printed = tool.session().printTest(print);
    if (!printed && printed.error().messageCode == code::kNone && !printed.cancelled())
        return sayNothingPrinted(tool, &printed.error());
    if (!printed) return tool.fail(printed.error());
    if (*printed == TestPrintResult::LanguageWithoutCommand)
        return sayNothingPrinted(tool, nullptr);
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
