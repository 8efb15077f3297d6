#include "cli/terminal_prompter.h"

#include "text/visible_text.h"

#include <cctype>
#include <unistd.h>

namespace tessaline::cli {

namespace {

// A message text as one block on the terminal: CR LF becomes LF, and any other control
// character (a message may quote a printer's reply or a file name) is shown escaped.
std::string forTerminal(const std::string& text) {
    std::string out;
    for (char c : VisibleText(text, true)) {
        if (c != '\r') out += c;
    }
    return out;
}

} // namespace

TerminalPrompter::TerminalPrompter(bool answerYes, std::FILE* input, std::FILE* output)
    : answerYes_(answerYes), input_(input), output_(output) {}

MessageButton TerminalPrompter::askYesNo(const std::string& text, MessageStyle) {
    if (answerYes_) return MessageButton::Yes;
    if (!input_ || !::isatty(::fileno(input_))) return MessageButton::No;
    std::fprintf(output_, "%s [y/N] ", forTerminal(text).c_str());
    std::fflush(output_);
    char line[64] = {};
    const bool yes = std::fgets(line, sizeof line, input_) &&
                     std::tolower(static_cast<unsigned char>(line[0])) == 'y';
    return yes ? MessageButton::Yes : MessageButton::No;
}

void TerminalPrompter::showMessage(const std::string& text, MessageStyle,
                                   const std::string& caption) {
    if (!caption.empty()) std::fprintf(output_, "%s: ", forTerminal(caption).c_str());
    std::fprintf(output_, "%s\n", forTerminal(text).c_str());
}

std::optional<std::string> TerminalPrompter::chooseFile(const FileChoice&) {
    return std::nullopt;
}

} // namespace tessaline::cli
