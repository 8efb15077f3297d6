#include "app/flow_codes.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/settings_output.h"
#include "selfinfo/self_info_save.h"

#include <cstdio>
#include <ctime>

namespace tessaline::cli {

namespace {

constexpr std::string_view kSaveFlag = "--save";

void printTexts(const SelfInfoTexts& texts, bool json) {
    std::string out;
    if (json) {
        out = "{\"machine\": " + jsonQuoted(texts.machineText) +
              ", \"settings\": " + jsonQuoted(texts.settingsText) + "}\n";
    } else {
        out = withLineFeeds(texts.machineText) + "\n\n" + withLineFeeds(texts.settingsText) + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

int runSelfInfo(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0] != kSaveFlag))
        return usageError("selfinfo takes [--save]");
    const bool save = arguments.size() == 1;
    CliSession session(options);
    if (const int status = session.start()) return status;
    if (!session.selfInformation()) return session.exitStatus();
    const SelfInfoTexts& texts = *session.selfInfo();
    printTexts(texts, options.json);
    if (!save) return session.exitStatus();

    // Save with the three checks ticked, into a folder of the day in the current folder.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const SelfInfoSaveResult saved =
        SaveSelfInformation(texts.machineText, texts.settingsText, local);
    session.person().showMessage(saved.message,
                                 saved.fileName.empty() ? MessageStyle::ExclamationOk
                                                        : MessageStyle::InformationOk,
                                 saved.title);
    if (saved.fileName.empty()) return session.fail(flow::kExportErrorCode);
    return session.exitStatus();
}

} // namespace tessaline::cli
