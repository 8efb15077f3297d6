// Sensor adjustment, Print Test, sending a print file and exporting the calibration text.
#include "app/direct_choice.h"
#include "app/flow_codes.h"
#include "text/text_tables.h"

namespace tessaline {

using namespace flow;

void MainWindowModel::startSensorAdjustment() {
    ConfigurationRecordSet& records = app_.records;
    if (!prepareSensorAdjustmentText()) return;
    const std::string text = records.configText;
    ClearConfiguration(records);
    DirectChoice choice(*this);
    const SessionResult<SensorAdjustmentResult> adjusted = choice.session().sensorAdjustment(text);
    choice.restore();
    if (!adjusted) {
        showError(adjusted.error());
        return;
    }
    const bool succeeded = *adjusted == SensorAdjustmentResult::Succeeded;
    services_.prompter->showMessage(
        std::string(GuideText(succeeded ? kSensorAdjustmentDoneGuide : kSensorAdjustmentFailedGuide,
                              region_)),
        succeeded ? MessageStyle::InformationOk : MessageStyle::StopOk);
}

void MainWindowModel::printTestFlow() {
    if (printTest.printMode() == PrintMode::SendFile) {
        sendPrintFile();
        return;
    }
    if (!ask(kConfirmPrintMessage)) return;
    DirectChoice choice(*this);
    const SessionResult<TestPrintResult> printed = choice.session().printTest(
        printTest.printMode() == PrintMode::SelfTest ? TestPrint::SelfTest : TestPrint::Sample);
    choice.restore();
    // A printer whose language has no such command prints nothing, without a word.
    if (!printed) showError(printed.error());
}

void MainWindowModel::sendPrintFile() {
    if (!printTest.fileField().empty()) {
        if (!ask(kConfirmPrintMessage)) return;
    } else if (!BrowsePrintFile()) {
        return;
    }
    DirectChoice choice(*this);
    const SessionResult<Done> sent = choice.session().printFile(printTest.fileField());
    choice.restore();
    if (!sent) showError(sent.error());
}

bool MainWindowModel::BrowsePrintFile() {
    const auto path = chooseFile(false);
    if (!path) return false;
    printTest.fileChosen(*path, app_.current.defaultFolder);
    return true;
}

void MainWindowModel::exportCalibration() {
    app_.records.modelIndex = model_;
    ClearConfiguration(app_.records);
    clearSettingItemChecks();
    checkAllBox_ = false;
    applyCalibrationToStandard();
    if (!prepareSensorAdjustmentText()) return;
    standard.checkAll(false);
    const auto path = chooseFile(true);
    if (!path) return;
    rememberFolder(*path);
    if (!writeExport(*path))
        showError(kExportErrorCode, ErrorDetail(DetailPhrase::FileUnwritable).text("file", *path));
}

} // namespace tessaline
