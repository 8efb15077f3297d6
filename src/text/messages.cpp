#include "text/messages.h"

#include "text/text_tables.h"

#include <iterator>
#include <string_view>

namespace tessaline {

namespace {

// The last MessageTable entry that is a message; entry 18 is the file-dialog filter.
constexpr int kLastMessage = 17;

struct ErrorMessage {
    int code;
    int entry;
    MessageStyle style;
};

constexpr ErrorMessage kErrorMessages[] = {
    {20, 0, MessageStyle::StopOk},  {22, 2, MessageStyle::ExclamationOk},
    {23, 3, MessageStyle::StopOk},  {24, 4, MessageStyle::StopOk},
    {30, 5, MessageStyle::StopOk},  {31, 6, MessageStyle::StopOk},
    {32, 7, MessageStyle::StopOk},  {40, 8, MessageStyle::StopOk},
    {80, 15, MessageStyle::StopOk}, {81, 16, MessageStyle::StopOk},
    {82, 17, MessageStyle::StopOk},
};

// The style of each own message, in OwnMessage order.
constexpr MessageStyle kOwnMessageStyles[] = {
    MessageStyle::ExclamationOk,    // ReceiveBusy: nothing failed, the person may try again
    MessageStyle::ExclamationYesNo, // SettingsNotSaved
    MessageStyle::ExclamationOk,    // SettingsFileKeptAside
    MessageStyle::ExclamationOk,    // SettingsFileUnreadable
    // The causes are parts of the messages above.
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::ExclamationYesNo, // UnsentEditsLost
    // The progress box's texts, never a message box of their own.
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
    MessageStyle::InformationOk,
};
static_assert(std::size(kOwnMessageStyles) == kOwnMessageCount);

} // namespace

// Between a coded message and its detail: a blank line, in the messages' own line breaks.
constexpr std::string_view kDetailSeparator = "\r\n\r\n";

MessageButton ShowMessage(Prompter& prompter, Region region, int index, MessageStyle style) {
    std::string text;
    if (index >= 0 && index <= kLastMessage) text = MessageText(index, region);
    if (IsYesNo(style)) return prompter.askYesNo(text, style);
    prompter.showMessage(text, style);
    return MessageButton::Ok;
}

bool ShowErrorCode(Prompter& prompter, Region region, int code) {
    return ShowErrorCode(prompter, region, code, {});
}

bool ShowErrorCode(Prompter& prompter, Region region, int code, std::string_view detail) {
    for (const auto& error : kErrorMessages) {
        if (error.code != code) continue;
        std::string text(MessageText(static_cast<std::size_t>(error.entry), region));
        if (!detail.empty()) {
            text += kDetailSeparator;
            text += detail;
        }
        prompter.showMessage(text, error.style);
        return true;
    }
    return false;
}

MessageButton ShowOwnMessage(Prompter& prompter, Region region, OwnMessage message) {
    const auto index = static_cast<std::size_t>(message);
    const MessageStyle style =
        index < kOwnMessageCount ? kOwnMessageStyles[index] : MessageStyle::InformationOk;
    const std::string text(OwnMessageText(message, region));
    if (style == MessageStyle::ExclamationYesNo) return prompter.askYesNo(text, style);
    prompter.showMessage(text, style);
    return MessageButton::Ok;
}

std::vector<FileFilter> FileDialogFilters(Region region) {
    // Display text and pattern alternate, each part ended by a NUL (the last one by the end).
    const std::string_view text = MessageText(kFileFilterMessage, region);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\0', start);
        if (end == std::string_view::npos) end = text.size();
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1]});
    return filters;
}

} // namespace tessaline
