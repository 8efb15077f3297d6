#pragma once

#include "app/interface_settings.h"
#include "app/prompter.h"
#include "cli/options.h"
#include "cli/terminal_prompter.h"
#include "config/configuration_record_set.h"
#include "pages/settings_editor.h"
#include "platform/interrupt_watch.h"
#include "platform/print_spooler.h"
#include "session/printer_session.h"
#include "text/region.h"
#include "transport/request_kind.h"

#include <string>

namespace tessaline::cli {

// What every command that works on settings or a printer starts from: the saved settings with the
// options over them, the pages of the chosen model in the chosen language, and a printer session
// pointed at the chosen interface. Nothing is written back to the settings file, and no last
// configuration is read or written: every run starts from the model's defaults.
// Prints "tessaline-cli: DETAIL" on standard error, the detail in the region's language, and
// keeps the line for the JSON reply.
void SayDetail(const ErrorDetail& detail, Region region);

// A failure's messages: passed on to the terminal, the first one also kept as the JSON reply's
// message.
class FailureMessages : public Prompter {
public:
    explicit FailureMessages(Prompter& terminal) : terminal_(terminal) {}
    MessageButton askYesNo(const std::string& text, MessageStyle style) override;
    void showMessage(const std::string& text, MessageStyle style,
                     const std::string& caption = {}) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

private:
    Prompter& terminal_;
};

// Shows the message of an error code on standard error, kept for the JSON reply.
void SayCode(Prompter& terminal, Region region, int code);

class ToolContext {
public:
    explicit ToolContext(const CliOptions& options);
    ToolContext(const ToolContext&) = delete;
    ToolContext& operator=(const ToolContext&) = delete;

    // Reads "Tessaline.ini", applies the options, resets the pages and selects the printer.
    // 0 when ready; otherwise the exit status (a usage error, or the code already shown).
    int start();

    int model() const { return model_; }
    Region region() const { return region_; }
    // Whether the Advanced page is in use (--advanced, or ADVANCED_TAB=ON in the settings).
    bool advancedTabOn() const { return advancedTabOn_; }
    ConfigurationRecordSet& records() { return records_; }
    SettingsEditor& editor() { return editor_; }
    PrinterSession& session() { return session_; }
    // The printer language the Standard page's emulation setting names, for status requests.
    EmulationKind emulation() const;

    // Empties the records for the next step, keeping the model.
    void clearRecords();
    // Covers the Advanced settings; without --advanced the Advanced warning asks first. False
    // when it was answered No.
    bool coverAdvanced();

    // A question of the message table, or of the guide table; true for Yes.
    bool ask(int messageIndex);
    bool askGuide(int guideIndex);
    bool askYesNo(const std::string& text, MessageStyle style);
    void showGuide(int guideIndex, MessageStyle style);
    // Questions on the terminal, messages on standard error.
    Prompter& prompter() { return terminal_; }
    // The same for the messages of a failure, which the JSON reply keeps too.
    Prompter& failurePrompter() { return failures_; }

    // Shows the message of `code` and returns the code as exit status.
    int fail(int code);
    // The message of `code`, then "tessaline-cli: DETAIL" in the chosen language.
    int fail(int code, const ErrorDetail& detail);
    // The exchange's message and detail; an exchange cancelled by Ctrl+C has only its detail and
    // ends the tool with kInterruptedExitStatus.
    int fail(const SessionError& error);
    // The message, then each refused setting: its key, its value as written and why it is
    // refused.
    int fail(const EditResult& result);

private:
    // The pages as the window shows them at start, for the model and the language.
    void resetPages();
    // Points the session at the interface of `settings`: 0, or the exit status when the print
    // queue named by --queue does not exist (code shown).
    int selectPrinter(const InterfaceSettings& settings);

    CliOptions options_;
    TerminalPrompter terminal_;
    FailureMessages failures_{terminal_};
    PrintSpooler spooler_;
    PrinterSession session_;
    // Ctrl+C cancels the running exchange; outside one it ends the tool at once.
    InterruptWatch interrupts_;
    ConfigurationRecordSet records_;
    SettingsEditor editor_;
    int model_ = 0;
    Region region_ = Region::English;
    bool advancedTabOn_ = false;
};

} // namespace tessaline::cli
