// Send Configuration, Export, Restore Defaults and the preparation of a configuration.
#include "app/direct_choice.h"
#include "app/flow_codes.h"
#include "app/recent_configuration.h"
#include "config/configuration_writer.h"
#include "platform/atomic_file.h"

namespace tessaline {

using namespace flow;

namespace {
// Less the umask; a file written over keeps its mode (an export can hold network passwords).
constexpr mode_t kExportFileMode = 0666;

// The settings a configuration text holds: its "KEY\t:\tVALUE" lines.
int64_t settingLines(std::string_view text) {
    int64_t lines = 0;
    for (size_t at = text.find("\t:\t"); at != std::string_view::npos;
         at = text.find("\t:\t", at + 1))
        ++lines;
    return lines;
}
} // namespace

void MainWindowModel::OnSendConfiguration() {
    switch (tab_) {
    case TabIndex::Information:
        return;
    case TabIndex::SensorAdjustment:
        app_.records.modelIndex = model_;
        ClearConfiguration(app_.records);
        if (!askGuide(kConfirmSensorAdjustmentGuide)) return;
        clearSettingItemChecks(); // the page's own box still says whether Config Set goes along
        checkAllBox_ = false;
        applyCalibrationToStandard();
        startSensorAdjustment();
        standard.checkAll(false);
        return;
    case TabIndex::PrintTest:
        printTestFlow();
        return;
    default:
        break;
    }

    app_.records.modelIndex = model_;
    ClearConfiguration(app_.records);
    if (tab_ == TabIndex::Easy) copyEasyToStandard();
    if (!prepareConfiguration()) return;
    showPreparedValues();
    if (!ask(kConfirmSendMessage)) return;

    // A queue takes the configuration as a print document; nothing moves to its port.
    interfaces_.readInterfaceControls(app_.current, app_.driverPort);
    services_.session->select(InterfacePanel::channelSelection(app_.current, app_.driverPort));
    const SessionResult<Done> sent = services_.session->sendConfiguration(app_.records.configText);
    if (!sent) {
        showError(sent.error());
        return;
    }
    unsentEdits_ = false;
    reportDone(ErrorDetail(DetailPhrase::ConfigurationSent)
                   .text("interface", services_.session->interfaceText())
                   .number("count", settingLines(app_.records.configText)));
}

void MainWindowModel::OnExport() {
    if (tab_ == TabIndex::SensorAdjustment) {
        exportCalibration();
        return;
    }
    if (tab_ == TabIndex::Information || tab_ == TabIndex::PrintTest) return;
    app_.records.modelIndex = model_;
    ClearConfiguration(app_.records);
    if (tab_ == TabIndex::Easy) copyEasyToStandard();
    if (!prepareConfiguration()) return;
    showPreparedValues();
    const auto path = chooseFile(true);
    if (!path) return;
    rememberFolder(*path);
    exportPrepared(*path);
}

// Writes the prepared text to `path` and says so on the status line, or why it could not.
void MainWindowModel::exportPrepared(const std::string& path) {
    if (!writeExport(path)) {
        showError(kExportErrorCode, ErrorDetail(DetailPhrase::FileUnwritable).text("file", path));
        return;
    }
    reportDone(ErrorDetail(DetailPhrase::ConfigurationExported).text("file", path));
}

bool MainWindowModel::writeExport(const std::string& path) {
    return writeFileAtomically(path, ConfigurationFileBytes(app_.records.configText),
                               kExportFileMode, nullptr, FileModeRule::AsUserWishes);
}

void MainWindowModel::OnRestoreDefaults() {
    if (tab_ == TabIndex::Information || tab_ == TabIndex::PrintTest) return;
    if (!ask(kConfirmRestoreMessage)) return;
    ClearConfiguration(app_.records);
    resetPages();
    advanced.restoreDefaultsCommand(model_);
    checkAllBox_ = false;
}

} // namespace tessaline
