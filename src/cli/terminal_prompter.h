#pragma once

#include "app/prompter.h"

#include <cstdio>
#include <deque>
#include <string>

namespace tessaline::cli {

// The command line tool's way of talking to the person: questions on the terminal (Yes with
// --yes; No when there is no terminal to ask), messages on standard error, and file dialogs
// answered by the files named on the command line.
class TerminalPrompter : public Prompter {
public:
    TerminalPrompter(bool answerYes, std::FILE* input = stdin, std::FILE* output = stderr);

    // The answer to the next file dialog.
    void queueFile(std::string path) { files_.push_back(std::move(path)); }

    MessageButton askYesNo(const std::string& text, MessageStyle style) override;
    void showMessage(const std::string& text, MessageStyle style,
                     const std::string& caption = {}) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

    // Whether a question was answered No.
    bool declined() const { return declined_; }

private:
    bool answerYes_;
    std::FILE* input_;
    std::FILE* output_;
    std::deque<std::string> files_;
    bool declined_ = false;
};

} // namespace tessaline::cli
