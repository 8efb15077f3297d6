#include "cli/terminal_prompter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <pty.h>
#include <unistd.h>

namespace tessaline::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string readAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

TEST(TerminalPrompter, AnswersWithoutATerminal) {
    File out(std::tmpfile());
    File in(std::tmpfile());
    TerminalPrompter yes(true, in.get(), out.get());
    EXPECT_EQ(yes.askYesNo("Send?", MessageStyle::ExclamationYesNo), MessageButton::Yes);
    TerminalPrompter no(false, in.get(), out.get());
    EXPECT_EQ(no.askYesNo("Send?", MessageStyle::ExclamationYesNo), MessageButton::No);
    no.showMessage("code : 30\r\nOpen port error.", MessageStyle::StopOk);
    no.showMessage("Saved.", MessageStyle::InformationOk, "Save");
    // A message quoting a printer's text never passes a control character to the terminal.
    no.showMessage("\"RV-940_\x1b]0;T\a.csv\" was saved.", MessageStyle::InformationOk,
                   "S\xC2\x9B");
    EXPECT_EQ(readAll(out.get()), "code : 30\nOpen port error.\nSave: Saved.\n"
                                  "S\\x9B: \"RV-940_\\x1B]0;T\\x07.csv\" was saved.\n");
}

TEST(TerminalPrompter, AsksOnATerminal) {
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    File in(::fdopen(slave, "r"));
    File out(std::tmpfile());
    ASSERT_EQ(::write(master, "y\nnope\n", 7), 7);
    TerminalPrompter prompter(false, in.get(), out.get());
    EXPECT_EQ(prompter.askYesNo("First?", MessageStyle::QuestionYesNo), MessageButton::Yes);
    EXPECT_EQ(prompter.askYesNo("Second?", MessageStyle::QuestionYesNo), MessageButton::No);
    EXPECT_EQ(readAll(out.get()), "First? [y/N] Second? [y/N] ");
    ::close(master);
}

} // namespace
} // namespace tessaline::cli
