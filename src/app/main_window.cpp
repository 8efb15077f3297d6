#include "app/main_window.h"

#include "app/flow_codes.h"
#include "app/recent_configuration.h"
#include "app/settings_messages.h"
#include "config/configuration_writer.h"
#include "config/printer_models.h"
#include "text/messages.h"
#include "text/text_tables.h"
#include "transport/port_discovery.h"

#include <ctime>

namespace tessaline {

namespace {

constexpr std::string_view kOn = "ON";
constexpr std::string_view kSelfInfoAppMode = "QRVA";

} // namespace

MainWindowModel::MainWindowModel(ApplicationState& app, MainWindowServices services)
    : editor_(app.records), standard(editor_.standard), advanced(editor_.advanced),
      easy(editor_.easy), information(editor_.information), calibration(editor_.calibration),
      printTest(editor_.printTest), app_(app), services_(std::move(services)) {}

bool MainWindowModel::advancedTabOn() const {
    return app_.current.advancedTab == kOn;
}

bool MainWindowModel::selfInfoShown() const {
    return app_.current.appMode == kSelfInfoAppMode;
}

std::vector<TabIndex> MainWindowModel::tabs() const {
    std::vector<TabIndex> list = {TabIndex::Easy, TabIndex::Standard, TabIndex::Information,
                                  TabIndex::SensorAdjustment, TabIndex::PrintTest};
    if (advancedTabOn()) list.push_back(TabIndex::Advanced);
    return list;
}

EmulationKind MainWindowModel::emulationKind() const {
    return standard.emulationKind();
}

void MainWindowModel::Initialise() {
    region_ = RegionFromNumber(app_.current.region).value_or(Region::English);
    ChangeTab(TabIndex::Standard);
    model_ = modelIndexOf(app_.current.printerModel);
    receiveMode_ = ReceiveMode::Idle;
    const bool listQueues = services_.spooler && !services_.queuesListedLater;
    interfaces_.fill(listQueues ? ListPrinterQueues(*services_.spooler, services_.discovery)
                                : QueueTable{},
                     FillPortLists(services_.discovery));
    interfaces_.applySavedSettings(app_.current, app_.driverPort, services_.resolve);
    ChangeLanguage(region_);
    if (app_.settingsUnreadable)
        services_.prompter->showMessage(
            SettingsUnreadableText(app_.configFolder + "/" + std::string(kSettingsFileName),
                                   app_.settingsUnreadable, region_),
            MessageStyle::ExclamationOk);
    loadRecentConfiguration();
}

void MainWindowModel::TakeQueueTable(QueueTable queues) {
    interfaces_.fillLateQueues(std::move(queues), app_.current, app_.driverPort);
}

void MainWindowModel::ChangeModel(int modelIndex) {
    if (!isValidModelIndex(modelIndex)) return;
    model_ = modelIndex;
    app_.current.printerModel = std::string(modelNames()[static_cast<size_t>(modelIndex)]);
    ClearConfiguration(app_.records);
    resetPages();
    checkAllBox_ = false;
    information.enableStatusGroup(emulationKind());
}

void MainWindowModel::ChangeLanguage(Region region) {
    region_ = region;
    app_.current.region = static_cast<int32_t>(region);
    editor_.applyLanguage(region);
    ChangeModel(model_);
}

void MainWindowModel::reportDone(ErrorDetail done) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char time[8];
    std::strftime(time, sizeof time, "%H:%M", &local);
    lastDone_ = std::move(done.text("time", time));
}

bool MainWindowModel::MayResetEditedPages() {
    return !unsentEdits_ || ShowOwnMessage(*services_.prompter, region_,
                                           OwnMessage::UnsentEditsLost) == MessageButton::Yes;
}

bool MainWindowModel::ChangeTab(TabIndex tab) {
    if (visiblePage_ == TabIndex::Standard) {
        copyStandardToOthers();
    } else if (visiblePage_ == TabIndex::Easy) {
        copyEasyToStandard();
        calibration.transferIn(standard.transferOut());
    }
    if (tab == TabIndex::Advanced && !editor_.advancedCovered()) {
        if (services_.prompter->askYesNo(
                std::string(MessageText(flow::kAdvancedWarningMessage, region_)),
                MessageStyle::ExclamationYesNo) != MessageButton::Yes)
            return false;
        editor_.setAdvancedCovered(true);
    }
    showPage(tab);
    return true;
}

void MainWindowModel::showPage(TabIndex tab) {
    tab_ = tab;
    visiblePage_ = tab;
    receiveScope_ = ButtonStatesForTab(tab).receiveScope;
}

void MainWindowModel::SetCheckAllBox(bool checked) {
    checkAllBox_ = checked;
    if (!checked) {
        clearAllItemChecks();
        return;
    }
    switch (tab_) {
    case TabIndex::Easy:
        easy.checkAll(true);
        break;
    case TabIndex::Standard:
        standard.checkAll(true);
        break;
    case TabIndex::Advanced:
        advanced.checkAll(true, advancedTabOn());
        break;
    case TabIndex::SensorAdjustment:
        calibration.checkAll(true);
        break;
    default:
        break;
    }
}

void MainWindowModel::ChooseInterface(InterfacePanel::Group group) {
    interfaces_.chooseGroup(group, app_.current, app_.driverPort);
}

void MainWindowModel::UsbNotification(const std::string& notification) {
    interfaces_.usbNotification(notification);
}

std::string MainWindowModel::recentPath() const {
    return app_.configFolder + "/" + std::string(kRecentFileName);
}

void MainWindowModel::loadRecentConfiguration() {
    app_.records.modelIndex = model_;
    if (app_.configFolder.empty() || !ReadRecentConfiguration(recentPath(), app_.records)) return;
    standard.load();
    advanced.load();
    clearAllItemChecks();
}

SettingsProblem MainWindowModel::ConfirmedExit() {
    if (tab_ == TabIndex::Easy) copyEasyToStandard();
    interfaces_.readInterfaceControls(app_.current, app_.driverPort);
    editor_.setAdvancedCovered(true);
    app_.records.modelIndex = model_;
    standard.checkAllHidden();
    advanced.checkAllHidden();
    standard.collect();
    advanced.collect();
    app_.records.configText.clear();
    WriteConfigurationText(app_.records, true);
    if (app_.configFolder.empty()) return app_.folderProblem;
    int error = 0;
    if (!WriteRecentConfiguration(recentPath(), app_.records, &error))
        return {SettingsCause::SystemError, error};
    return {};
}

bool MainWindowModel::prepared(const EditResult& result) {
    showCode(result.messageCode);
    return result.ok();
}

// A failed command leaves no report of an earlier success on the status line.
void MainWindowModel::showCode(int code) {
    if (code == code::kNone) return; // a cancelled exchange has nothing to report
    lastDone_ = {};
    ShowErrorCode(*services_.prompter, region_, code);
}

void MainWindowModel::showError(int code, const ErrorDetail& detail) {
    if (code == code::kNone) return;
    lastDone_ = {};
    ShowErrorCode(*services_.prompter, region_, code, RenderDetail(detail, region_));
}

void MainWindowModel::showError(const SessionError& error) {
    if (error.cause != FailureCause::Cancelled) {
        showError(error.messageCode, error.detail);
        return;
    }
    if (services_.windowClosing && services_.windowClosing()) return;
    services_.prompter->showMessage(std::string(DetailPhraseText(DetailPhrase::Cancelled, region_)),
                                    MessageStyle::InformationOk);
}

bool MainWindowModel::ask(int messageIndex) {
    return ShowMessage(*services_.prompter, region_, messageIndex,
                       MessageStyle::ExclamationYesNo) == MessageButton::Yes;
}

bool MainWindowModel::askGuide(int guideIndex) {
    return services_.prompter->askYesNo(std::string(GuideText(guideIndex, region_)),
                                        MessageStyle::ExclamationYesNo) == MessageButton::Yes;
}

} // namespace tessaline
