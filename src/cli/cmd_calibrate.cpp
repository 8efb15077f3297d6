#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/tool_context.h"
#include "text/text_tables.h"

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

// The sensor adjustment with the Sensor Adjustment page's choices, after its question.
int adjustSensor(ToolContext& tool) {
    SettingsEditor& editor = tool.editor();
    tool.clearRecords();
    if (!tool.askGuide(flow::kConfirmSensorAdjustmentGuide)) return kDeclinedOrFailed;
    // The page's own box still says whether the Config Set goes along.
    editor.clearItemChecks(tool.advancedTabOn(), false);
    editor.applyCalibrationToStandard();
    const EditResult prepared = editor.prepareSensorAdjustmentText();
    if (!prepared.ok()) return tool.fail(prepared);
    const std::string text = tool.records().configText;
    tool.clearRecords();
    const SessionResult<SensorAdjustmentResult> adjusted = tool.session().sensorAdjustment(text);
    if (!adjusted) return tool.fail(adjusted.error());
    if (*adjusted == SensorAdjustmentResult::Succeeded) {
        tool.showGuide(flow::kSensorAdjustmentDoneGuide, MessageStyle::InformationOk);
        return 0;
    }
    tool.failurePrompter().showMessage(
        std::string(GuideText(flow::kSensorAdjustmentFailedGuide, tool.region())),
        MessageStyle::StopOk);
    return kDeclinedOrFailed;
}

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

    ToolContext tool(options);
    if (const int status = tool.start()) return status;
    SensorAdjustmentPage& page = tool.editor().calibration;
    if (configSet && *configSet > static_cast<int>(page.configSetItems().size()))
        return usageError(kUsage);
    if (media) page.selectMediaKind(*media);
    if (configSet) {
        page.setConfigSetChecked(true);
        page.selectConfigSet(*configSet - 1);
    }
    return adjustSensor(tool);
}

} // namespace tessaline::cli
