// Sensor adjustment, Print Test, sending a print file and exporting the calibration text.
#include "app/exchange.h"
#include "app/flow_codes.h"
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "config/key_table.h"
#include "config/reply_checks.h"
#include "platform/code_page.h"
#include "platform/linux/unique_fd.h"
#include "text/text_tables.h"
#include "transport/request_catalogue.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tessaline {

using namespace flow;

namespace {

constexpr std::string_view kTextEnd = "END\r\n";
constexpr std::string_view kCalibrationEnd = "AUTO CALIBRATION\r\nSAVE\r\nEND\r\n";
// The sensor adjustment reply may start with up to two stray bytes before its "A".
constexpr size_t kCalibrationReplyLead = 3;
constexpr size_t kPrintFileBlock = 1024;

// Printer languages as the emulation query reports them.
constexpr int kLanguageZpl = 1;
constexpr int kLanguageEpl = 2;
constexpr int kLanguageDmx = 3;

struct PrintCommand {
    PrintMode mode;
    int language;
    std::string_view bytes;
};
constexpr PrintCommand kPrintCommands[] = {
    {PrintMode::SelfTest, kLanguageZpl, "~WC\n"},
    {PrintMode::SelfTest, kLanguageEpl, "U\n"},
    {PrintMode::SelfTest, kLanguageDmx, "\x02Z\r\n"},
    {PrintMode::PrintSample, kLanguageZpl, "~!Q4\n"},
    {PrintMode::PrintSample, kLanguageEpl, "~!Q4\n"},
    {PrintMode::PrintSample, kLanguageDmx, "\x02\x1bQ4\r\n"},
};

std::string_view printCommand(PrintMode mode, int language) {
    for (const auto& command : kPrintCommands) {
        if (command.mode == mode && command.language == language) return command.bytes;
    }
    return {};
}

} // namespace

bool MainWindowModel::prepareSensorAdjustmentText() {
    ConfigurationRecordSet& records = app_.records;
    if (!standard.collect()) {
        showCode(kNothingSelectedCode);
        return false;
    }
    WriteConfigurationText(records);
    ParseConfigurationText(records, 0);
    if (!standard.validate()) {
        showCode(kInvalidItemsCode);
        return false;
    }
    records.configText.clear();
    WriteConfigurationText(records);
    std::string& text = records.configText;
    if (text.ends_with(kTextEnd)) text.resize(text.size() - kTextEnd.size());
    text += kCalibrationEnd;
    return true;
}

void MainWindowModel::startSensorAdjustment() {
    ConfigurationRecordSet& records = app_.records;
    if (!prepareSensorAdjustmentText()) return;
    Exchange exchange(*this);
    if (const int code = exchange.open(OpenPurpose::SensorAdjustment)) {
        showCode(code);
        return;
    }
    if (!exchange
             .write(FrameForPrinter(static_cast<int>(RequestKind::AllConfig), records.configText))
             .ok()) {
        exchange.finish();
        showCode(kTransferErrorCode);
        return;
    }
    ClearConfiguration(records);
    std::string reply;
    const bool received = exchange.read(RequestKind::Counters, reply); // ends on silence
    exchange.finish();

    if (received) {
        const auto start = reply.substr(0, kCalibrationReplyLead).find('A');
        records.configText =
            start == std::string::npos ? std::string() : fromAnsi(reply.substr(start));
        if (!records.configText.empty() && CheckCalibrationReply(records) == 0) {
            const SettingValue& result = records.record(kCalibrationResultRecord);
            const bool succeeded =
                result.selected == 1 && result.invalid == 0 && result.valueIndex == 0;
            services_.prompter->showMessage(
                std::string(
                    GuideText(succeeded ? kSensorAdjustmentDoneGuide : kSensorAdjustmentFailedGuide,
                              region_)),
                succeeded ? MessageStyle::InformationOk : MessageStyle::StopOk);
            return;
        }
    }
    showCode(kReplyErrorCode);
}

void MainWindowModel::printTestFlow() {
    if (printTest.printMode() == PrintMode::SendFile) {
        sendPrintFile();
        return;
    }
    if (!ask(kConfirmPrintMessage)) return;
    ConfigurationRecordSet& records = app_.records;
    Exchange exchange(*this);
    if (const int code = exchange.open(OpenPurpose::Send)) {
        showCode(code);
        return;
    }
    BuildRequest(records.requestText, static_cast<int>(RequestKind::StandardConfig), 0);
    if (!exchange
             .write(FrameForPrinter(static_cast<int>(RequestKind::StandardConfig),
                                    records.requestText))
             .ok()) {
        exchange.finish();
        showCode(kTransferErrorCode);
        return; // without the printer's language there is nothing to print
    }
    std::string reply;
    exchange.read(RequestKind::AllConfig, reply); // a read error leaves the language unknown
    records.emulationReply = fromAnsi(reply);
    const int language = QueryMachineEmulation(records);
    records.configText = std::string(printCommand(printTest.printMode(), language));
    if (records.configText.empty()) return; // a language without these commands: nothing sent
    if (!exchange.write(records.configText).ok()) {
        exchange.finish(); // closed and back on the queue before the message
        showCode(kTransferErrorCode);
    }
}

void MainWindowModel::sendPrintFile() {
    if (!printTest.fileField().empty()) {
        if (!ask(kConfirmPrintMessage)) return;
    } else if (!BrowsePrintFile()) {
        return;
    }
    Exchange exchange(*this);
    if (const int code = exchange.open(OpenPurpose::Send)) {
        showCode(code);
        return;
    }
    UniqueFd file(::open(printTest.fileField().c_str(), O_RDONLY | O_CLOEXEC));
    if (!file) {
        exchange.finish();
        showCode(kPrintFileErrorCode);
        return;
    }
    char block[kPrintFileBlock];
    for (;;) {
        const ssize_t n = ::read(file.get(), block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            exchange.finish();
            showCode(kPrintFileErrorCode);
            return;
        }
        if (n == 0) return;
        if (!exchange.write(std::string_view(block, static_cast<size_t>(n))).ok()) {
            exchange.finish();
            showCode(kTransferErrorCode);
            return;
        }
    }
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
    if (!writeExport(*path)) showCode(kExportErrorCode);
}

} // namespace tessaline
