#pragma once

#include "app/main_window.h"
#include "cli/flow_recorder.h"
#include "cli/options.h"
#include "cli/terminal_prompter.h"
#include "platform/print_spooler.h"
#include "session/io_runner.h"
#include "session/printer_session.h"

#include <optional>
#include <string>

namespace tessaline::cli {

// An empty private folder, removed with the session. The main window reads its last
// configuration from here, so the tool starts from the model's defaults and never writes the
// person's own "Recent.dat".
class EmptyFolder {
public:
    EmptyFolder();
    ~EmptyFolder();
    EmptyFolder(const EmptyFolder&) = delete;
    EmptyFolder& operator=(const EmptyFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// One run of the tool as a scripted user of the main window: the settings file gives the
// defaults, the options override them, and the commands press the window's buttons. Nothing is
// written back to the settings file or the last configuration.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);

    // Reads "Tessaline.ini", applies the options and opens the window on the chosen interface.
    // 0 when ready; otherwise the exit status (a usage error, or the code already shown).
    int start();

    MainWindowModel& window() { return *window_; }
    FlowRecorder& person() { return person_; }
    TerminalPrompter& terminal() { return terminal_; }
    const CliOptions& options() const { return options_; }
    Region region() const { return window_->region(); }
    ConfigurationRecordSet& records() { return app_.records; }
    const std::optional<SelfInfoTexts>& selfInfo() const { return selfInfo_; }

    // The Import button with FILE chosen in its dialog; false when the flow did not end well.
    bool importFile(const std::string& path);
    // The Send button up to its question, which the tool answers No: the text that Send would
    // write is then in records().configText. False when the preparation failed (code shown).
    bool prepareSendText();
    // The Receive button. A receive that another program's receive keeps from starting, or
    // that fails without a message, is reported with code 82. False when it did not end well.
    bool receive();
    // The Self Info button; false when no self information came.
    bool selfInformation();

    // Shows the message of `code` (when no code was shown yet it becomes the exit status).
    int fail(int code);
    // The exit status for the way the flows ended.
    int exitStatus() const { return person_.exitStatus(); }

private:
    int ensureInterface();
    // Whether no other receive runs; when one does, or the lock is refused, says so (code 82).
    bool receiveLockFree();

    CliOptions options_;
    TerminalPrompter terminal_;
    FlowRecorder person_;
    InlineIoRunner io_;
    PrintSpooler spooler_;
    DeviceDiscovery discovery_;
    PrinterSession session_;
    EmptyFolder recentFolder_;
    ApplicationState app_;
    InterfaceSettings requested_;
    std::string receiveLockName_;
    std::optional<SelfInfoTexts> selfInfo_;
    std::optional<MainWindowModel> window_;
};

} // namespace tessaline::cli
