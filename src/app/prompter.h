#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// The style word of a message box: its buttons and its icon.
enum class MessageStyle : uint32_t {
    StopOk = 0x10,
    ExclamationOk = 0x30,
    InformationOk = 0x40,
    QuestionYesNo = 0x24,
    ExclamationYesNo = 0x34,
    StopYesNo = 0x14,
};

// True for the styles that offer Yes and No rather than OK.
constexpr bool IsYesNo(MessageStyle style) {
    return (static_cast<uint32_t>(style) & 0x0f) == 0x04;
}

// The button that closed a message box.
enum class MessageButton : int32_t { Ok = 1, Yes = 6, No = 7 };

// One line of a file dialog's type list: the text shown and its pattern ("*.prn", "*.*").
struct FileFilter {
    std::string display;
    std::string pattern;
};

// What a file dialog asks for.
struct FileChoice {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::vector<FileFilter> filters;
    std::size_t filterIndex = 0;  // the filter selected at first, 0-based
    std::string defaultExtension; // added to a typed name without extension, e.g. "prn"
    std::string initialFolder;    // empty: the user's home folder
    // Open: the chosen file must exist. Save: an existing file is replaced only after the person
    // agreed.
};

// How the program talks to the person: questions, messages and file dialogs. The windows, the
// command line tool and the tests each provide one.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Asks a Yes/No question; returns Yes or No.
    virtual MessageButton askYesNo(const std::string& text, MessageStyle style) = 0;

    // Shows a message with an OK button. An empty caption stands for the application's name.
    virtual void showMessage(const std::string& text, MessageStyle style,
                             const std::string& caption = {}) = 0;

    // Lets the person choose a file; nullopt when the dialog was cancelled.
    virtual std::optional<std::string> chooseFile(const FileChoice& choice) = 0;
};

} // namespace tessaline
