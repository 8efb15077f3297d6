#pragma once

#include "app/interface_panel.h"
#include "app/interface_settings.h"
#include "app/prompter.h"
#include "app/settings_file.h"
#include "app/tab_states.h"
#include "config/configuration_record_set.h"
#include "pages/settings_editor.h"
#include "platform/device_discovery.h"
#include "platform/print_spooler.h"
#include "selfinfo/self_info_texts.h"
#include "session/io_runner.h"
#include "session/printer_session.h"
#include "session/receive_lock.h"
#include "text/region.h"
#include "transport/channel_selection.h"
#include "transport/request_kind.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// What the application object keeps for the whole run and the main window works on.
struct ApplicationState {
    InterfaceSettings loaded;  // as read from the settings file
    InterfaceSettings current; // as the window shows it
    DriverPort driverPort;
    ConfigurationRecordSet records;
    std::string configFolder;  // of the settings file and the last configuration; empty: none
    std::string programFolder; // the executable's folder (a portable installation's settings)
    // Without a settings folder: the folder refused and why, told when the program would save.
    std::string refusedFolder;
    SettingsProblem folderProblem;
    // The settings file stands but could not be read: told when the window opens.
    SettingsProblem settingsUnreadable;
};

// How the last Receive went, or that a self-information receive runs.
enum class ReceiveMode {
    Idle,     // no receive yet, or the last one succeeded
    Failed,   // the last receive failed or was declined
    SelfInfo, // a self-information receive runs
};

// The main window's surroundings: how it talks to the person, runs exchanges, reaches printers.
struct MainWindowServices {
    Prompter* prompter = nullptr;
    // The printer the window talks to; its steps run through the window's IoRunner.
    PrinterSession* session = nullptr;
    // Null: no queues are listed, for a run that names its printer by address.
    const PrintSpooler* spooler = nullptr;
    // The queues are listed elsewhere and handed over with TakeQueueTable (the windows list
    // them off their thread); Initialise leaves the queue list empty.
    bool queuesListedLater = false;
    DeviceDiscovery discovery;
    HostResolver resolve;
    // Shows the self-information dialog over the prepared texts (the windows run it modally).
    std::function<void(const SelfInfoTexts&)> showSelfInfo;
    // True while the window closes after the person closed it during an exchange: the cancelled
    // exchange is not announced then. Null: never.
    std::function<bool()> windowClosing;
    // Name of the system-wide lock held for a whole Receive.
    std::string receiveLockName = std::string(kReceiveLockName);
};

// The main window without its controls: the chosen model, language and interface, the six
// pages, the tabs and the command buttons, and every command flow behind those buttons.
class MainWindowModel {
    // The pages and the editing of the settings, without the window's questions.
    SettingsEditor editor_;

public:
    MainWindowModel(ApplicationState& app, MainWindowServices services);

    // Initialisation of the window: lists, pages, saved choices, language, last configuration.
    void Initialise();
    // The queue table listed after Initialise: the queue list fills, and the saved queue is
    // selected as at start while the queue group is chosen.
    void TakeQueueTable(QueueTable queues);

    // Controls.
    void ChangeModel(int modelIndex);
    void ChangeLanguage(Region region);
    // The person edited a row of a settings page; a send or a reset of the pages forgets it.
    void NoteEdit() { unsentEdits_ = true; }
    bool unsentEdits() const { return unsentEdits_; }
    // Before a language or model change that resets the pages: true when nothing unsent would be
    // lost, or the person agreed to lose it.
    bool MayResetEditedPages();
    // What the last command did, where and when, for the window's status line; empty before.
    const ErrorDetail& lastDone() const { return lastDone_; }
    // A click on a tab; false when the Advanced warning was declined (the previous tab stays).
    bool ChangeTab(TabIndex tab);
    void SetCheckAllBox(bool checked);
    InterfacePanel& interfaces() { return interfaces_; }
    const InterfacePanel& interfaces() const { return interfaces_; }
    void ChooseInterface(InterfacePanel::Group group);
    // The channel's USB notification ("path#…#name").
    void UsbNotification(const std::string& notification);

    // Command buttons.
    void OnSendConfiguration(); // the first button; on Sensor Adjustment and Print Test their own
    void OnReceive();
    void OnImport();
    void OnExport(); // on Sensor Adjustment: the calibration text
    void OnRestoreDefaults();
    void OnSelfInfo();
    bool BrowsePrintFile(); // true when a file was chosen
    // After the exit question: the last configuration is written to recentPath(). Why it could
    // not be, or nothing.
    SettingsProblem ConfirmedExit();
    std::string recentPath() const;

    // State for the windows and the tests.
    int model() const { return model_; }
    Region region() const { return region_; }
    TabIndex tab() const { return tab_; }
    bool advancedTabOn() const;
    // The person confirmed the Advanced warning: prepared texts cover the Advanced settings.
    bool advancedConfirmed() const { return editor_.advancedCovered(); }
    bool selfInfoShown() const;
    std::vector<TabIndex> tabs() const;
    const TabButtonStates& buttons() const { return ButtonStatesForTab(tab_); }
    bool checkAllBox() const { return checkAllBox_; }
    ReceiveScope receiveScope() const { return receiveScope_; }
    ReceiveMode receiveMode() const { return receiveMode_; }
    EmulationKind emulationKind() const;
    const std::string& machineInformationText() const { return machineInformation_; }
    const std::string& currentSettingsText() const { return currentSettings_; }
    ApplicationState& app() { return app_; }

    // The editor's pages, which the windows show.
    StandardPage& standard;
    AdvancedPage& advanced;
    EasyPage& easy;
    InformationPage& information;
    SensorAdjustmentPage& calibration;
    PrintTestPage& printTest;

private:
    void reportDone(ErrorDetail done); // adds the time of day
    class DirectChoice;

    void showPage(TabIndex tab);
    void resetPages() {
        editor_.resetPages(model_, region_);
        unsentEdits_ = false;
    }
    // The item check boxes of the Standard, Advanced and Easy pages.
    void clearSettingItemChecks() { editor_.clearItemChecks(advancedTabOn(), false); }
    // Those and the Sensor Adjustment page's check box.
    void clearAllItemChecks() { editor_.clearItemChecks(advancedTabOn(), true); }
    void copyEasyToStandard() { editor_.copyEasyToStandard(); }
    void copyStandardToOthers() { editor_.copyStandardToOthers(); }
    void applyCalibrationToStandard() { editor_.applyCalibrationToStandard(); }
    // False when the editing step failed; its code was shown.
    bool prepared(const EditResult& result);
    bool prepareConfiguration() { return prepared(editor_.prepareConfiguration()); }
    bool prepareSensorAdjustmentText() { return prepared(editor_.prepareSensorAdjustmentText()); }
    void showPreparedValues() { editor_.showPreparedValues(advancedTabOn()); }
    void showCode(int code);
    // The message of the code with the detail under it, in the window's language.
    void showError(int code, const ErrorDetail& detail);
    // A failed exchange's message and detail; for a cancelled one, that it was cancelled.
    void showError(const SessionError& error);
    void showMessageEntry(int index);
    bool ask(int messageIndex);
    bool askGuide(int guideIndex);
    std::string initialFolder() const;
    void rememberFolder(const std::string& path);
    std::optional<std::string> chooseFile(bool save);
    bool writeExport(const std::string& path);
    void exportPrepared(const std::string& path);
    void loadRecentConfiguration();

    // Receive of one request; false ends the whole receive.
    bool receiveOne(RequestKind kind, bool& mayDropFirstByte);
    // Shows a received configuration on the pages; false ends the whole receive.
    // `where` names the interface it came from.
    bool showConfiguration(RequestKind kind, const ConfigurationReply& received,
                           const std::string& where);
    void startSensorAdjustment();
    void printTestFlow();
    void sendPrintFile();
    void exportCalibration();

    ApplicationState& app_;
    MainWindowServices services_;
    InterfacePanel interfaces_;
    int model_ = 0;
    Region region_ = Region::English;
    TabIndex tab_ = TabIndex::Standard;
    std::optional<TabIndex> visiblePage_;
    bool checkAllBox_ = false;
    bool unsentEdits_ = false;
    ErrorDetail lastDone_;
    ReceiveScope receiveScope_ = ReceiveScope::Standard;
    ReceiveMode receiveMode_ = ReceiveMode::Idle;
    std::string machineInformation_;
    std::string currentSettings_;
};

} // namespace tessaline
