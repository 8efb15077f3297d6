#pragma once

#include "app/prompter.h"
#include "cli/terminal_prompter.h"

#include <optional>
#include <string>

namespace tessaline::cli {

// Exit status of a question answered No, and of a sensor adjustment the printer reported as
// failed.
inline constexpr int kDeclinedOrFailed = 1;

// The person as the flows see them: the terminal, with a note of how the flow ended. The first
// message that shows a code ("code : NN ...") decides the exit status; a question answered No
// and the failed sensor adjustment give kDeclinedOrFailed. The tool itself may answer the next
// question (e.g. No to the send question after the preparation of a text it only prints).
class FlowRecorder : public Prompter {
public:
    explicit FlowRecorder(TerminalPrompter& terminal) : terminal_(terminal) {}

    MessageButton askYesNo(const std::string& text, MessageStyle style) override;
    void showMessage(const std::string& text, MessageStyle style,
                     const std::string& caption = {}) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

    // The tool's own answer to the next question, instead of the terminal.
    void answerNextQuestion(bool yes) { scripted_ = yes; }
    // Whether the tool's answer was taken by a question (and forgets it either way).
    bool takeScriptedAnswerUsed();
    // The message that says the printer's sensor adjustment failed, in the flow's language.
    void setFailureMessage(std::string text) { failureMessage_ = std::move(text); }

    // Ends the flow with `code` when no message showed a code yet, for a failure that a
    // message without a code reported.
    void recordCode(int code) {
        if (code_ == 0) code_ = code;
    }
    // The code of the first message that showed one; 0 when none did.
    int code() const { return code_; }
    bool declined() const { return declined_; }
    bool reportedFailure() const { return reportedFailure_; }
    // Whether the flow ended well: no code, no No, no failure reported.
    bool succeeded() const { return exitStatus() == 0; }
    // The exit status for the way the flows ended.
    int exitStatus() const;

private:
    TerminalPrompter& terminal_;
    std::optional<bool> scripted_;
    bool scriptedUsed_ = false;
    std::string failureMessage_;
    int code_ = 0;
    bool declined_ = false;
    bool reportedFailure_ = false;
};

// The code a message text begins with ("code : 30\r\n..." gives 30); 0 when it begins otherwise.
int messageCode(const std::string& text);

} // namespace tessaline::cli
