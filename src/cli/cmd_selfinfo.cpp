#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/printer_receive.h"
#include "cli/run_reply.h"
#include "cli/settings_output.h"
#include "selfinfo/self_info_save.h"
#include "text/visible_text.h"

#include <cstdio>
#include <ctime>

namespace tessaline::cli {

namespace {

constexpr std::string_view kSaveFlag = "--save";

void printTexts(const SelfInfoTexts& texts, bool json) {
    if (json) {
        runReply().addData({{"machine", texts.machineText}, {"settings", texts.settingsText}});
        return;
    }
    const std::string out = withLineFeeds(VisibleText(texts.machineText, true)) + "\n\n" +
                            withLineFeeds(VisibleText(texts.settingsText, true)) + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

int runSelfInfo(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0] != kSaveFlag))
        return usageError("selfinfo takes [--save]");
    const bool save = arguments.size() == 1;
    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    SelfInfoTexts texts;
    if (const int status = receiveSelfInformation(tool, texts)) return status;
    printTexts(texts, options.json);
    if (!save) return 0;

    // Save with the three checks ticked, into a folder of the day in the current folder.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const SelfInfoSaveResult saved =
        SaveSelfInformation(texts.machineText, texts.settingsText, local);
    const bool written = !saved.fileName.empty();
    if (written) runReply().addData({{"saved", saved.fileName}});
    (written ? tool.prompter() : tool.failurePrompter())
        .showMessage(saved.message,
                     written ? MessageStyle::InformationOk : MessageStyle::ExclamationOk,
                     saved.title);
    return written ? 0 : tool.fail(flow::kExportErrorCode);
}

} // namespace tessaline::cli
