#pragma once

#include "app/prompter.h"

#include <cstdio>
#include <string>

namespace tessaline::cli {

// The command line tool's way of talking to the person: questions on the terminal (Yes with
// --yes; No when there is no terminal to ask) and messages on standard error. The tool names its
// files on the command line, so no file dialog is ever shown.
class TerminalPrompter : public Prompter {
public:
    TerminalPrompter(bool answerYes, std::FILE* input = stdin, std::FILE* output = stderr);

    MessageButton askYesNo(const std::string& text, MessageStyle style) override;
    void showMessage(const std::string& text, MessageStyle style,
                     const std::string& caption = {}) override;
    std::optional<std::string> chooseFile(const FileChoice& choice) override;

private:
    bool answerYes_;
    std::FILE* input_;
    std::FILE* output_;
};

} // namespace tessaline::cli
