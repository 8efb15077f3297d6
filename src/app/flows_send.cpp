// Send Configuration, Export, Restore Defaults and the preparation of a configuration.
#include "app/exchange.h"
#include "app/flow_codes.h"
#include "app/recent_configuration.h"
#include "config/advanced_confirmed.h"
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "platform/atomic_file.h"
#include "transport/selected_interface.h"

namespace tessaline {

using namespace flow;

namespace {
constexpr mode_t kExportFileMode = 0644;
} // namespace

bool MainWindowModel::prepareConfiguration() {
    const bool standardIncluded = standard.collect();
    const bool advancedIncluded = AdvancedConfirmed ? advanced.collect() : false;
    if (!standardIncluded && !advancedIncluded) {
        showCode(kNothingSelectedCode);
        return false;
    }
    WriteConfigurationText(app_.records);
    ParseConfigurationText(app_.records, 0);
    const bool standardValid = standard.validate();
    const bool advancedValid = !AdvancedConfirmed || advanced.validate();
    if (!standardValid || !advancedValid) {
        showCode(kInvalidItemsCode);
        return false;
    }
    app_.records.configText.clear();
    WriteConfigurationText(app_.records);
    return true;
}

void MainWindowModel::showPreparedValues() {
    standard.showWrittenValues();
    if (advancedTabOn()) advanced.showWrittenValues();
}

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

    InterfaceSettings& current = app_.current;
    interfaces_.readInterfaceControls(current, app_.driverPort);
    const std::string bytes = ConfigurationFileBytes(app_.records.configText);

    if (current.portType == PortType::Printer) {
        ChannelResult result = ChannelCode::OpenFailed;
        if (services_.spooler)
            services_.io->run("Sending", [&] {
                uint32_t written = 0;
                result = SendRawDocument(*services_.spooler, current.portName,
                                         reinterpret_cast<const uint8_t*>(bytes.data()),
                                         static_cast<uint32_t>(bytes.size()), &written);
            });
        if (result == ChannelCode::OpenFailed) showCode(kOpenErrorCode);
        if (result == ChannelCode::WriteFault) showCode(kTransferErrorCode);
        return;
    }

    Exchange exchange(*this);
    exchange.selection = InterfacePanel::channelSelection(current, app_.driverPort);
    exchange.opened = true;
    bool ok = false;
    services_.io->run("Opening the interface", [&] {
        ok = OpenSelectedInterface(*services_.channel, exchange.selection, OpenPurpose::Send);
    });
    if (!ok) {
        exchange.finish();
        showCode(kOpenErrorCode);
        return;
    }
    if (!exchange.write(bytes).ok()) {
        exchange.finish();
        showCode(kTransferErrorCode);
    }
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
    if (!writeExport(*path)) showCode(kExportErrorCode);
}

bool MainWindowModel::writeExport(const std::string& path) {
    return writeFileAtomically(path, ConfigurationFileBytes(app_.records.configText),
                               kExportFileMode);
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
