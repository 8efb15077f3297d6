#include "cli/cli_session.h"
#include "cli/commands.h"

#include <optional>

namespace tessaline::cli {

namespace {

struct MediaWord {
    std::string_view word;
    int kind;
};
constexpr MediaWord kMedia[] = {{"gaps", 0}, {"marks", 1}};
constexpr std::string_view kMediaFlag = "--media";
constexpr std::string_view kConfigSetFlag = "--config-set";
constexpr const char* kUsage = "calibrate takes [--media gaps|marks] [--config-set 1|2|3]";

} // namespace

int runCalibrate(const CliOptions& options, std::span<const std::string> arguments) {
    std::optional<int> media;
    std::optional<int> configSet; // 1-based
    for (size_t i = 0; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) return usageError(kUsage);
        const std::string& value = arguments[i + 1];
        if (arguments[i] == kMediaFlag && !media) {
            for (const auto& m : kMedia)
                if (value == m.word) media = m.kind;
            if (!media) return usageError(kUsage);
        } else if (arguments[i] == kConfigSetFlag && !configSet && value.size() == 1 &&
                   value[0] >= '1' && value[0] <= '9') {
            configSet = value[0] - '0';
        } else {
            return usageError(kUsage);
        }
    }

    CliSession session(options);
    if (const int status = session.start()) return status;
    MainWindowModel& window = session.window();
    window.ChangeTab(TabIndex::SensorAdjustment);
    SensorAdjustmentPage& page = window.calibration;
    if (configSet && *configSet > static_cast<int>(page.configSetItems().size()))
        return usageError(kUsage);
    if (media) page.selectMediaKind(*media);
    if (configSet) {
        page.setConfigSetChecked(true);
        page.selectConfigSet(*configSet - 1);
    }
    window.OnSendConfiguration();
    return session.exitStatus();
}

} // namespace tessaline::cli
