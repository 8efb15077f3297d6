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
    const std::string where = choice.session().interfaceText();
    choice.restore();
    if (!adjusted) {
        showError(adjusted.error());
        return;
    }
    reportDone(ErrorDetail(DetailPhrase::SensorAdjustmentRun).text("interface", where));
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
    const bool selfTest = printTest.printMode() == PrintMode::SelfTest;
    const SessionResult<TestPrintResult> printed =
        choice.session().printTest(selfTest ? TestPrint::SelfTest : TestPrint::Sample);
    const std::string where = choice.session().interfaceText();
    choice.restore();
    // A printer whose language has no such command prints nothing, without a word.
    if (!printed) {
        showError(printed.error());
        return;
    }
    reportDone(
        std::move(ErrorDetail(selfTest ? DetailPhrase::SelfTestSent : DetailPhrase::SampleSent)
                      .text("interface", where)));
}

void MainWindowModel::sendPrintFile() {
    if (!printTest.fileField().empty()) {
        if (!ask(kConfirmPrintMessage)) return;
    } else if (!BrowsePrintFile()) {
        return;
    }
    DirectChoice choice(*this);
    const SessionResult<Done> sent = choice.session().printFile(printTest.fileField());
    const std::string where = choice.session().interfaceText();
    choice.restore();
    if (!sent) {
        showError(sent.error());
        return;
    }
    reportDone(ErrorDetail(DetailPhrase::PrintFileSent)
                   .text("file", printTest.fileField())
                   .text("interface", where));
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
    exportPrepared(*path);
}

} // namespace tessaline
