#include "app/settings_messages.h"

#include "text/text_tables.h"

#include <system_error>

namespace tessaline {

namespace {

struct CauseMessage {
    SettingsCause cause;
    OwnMessage message;
};
constexpr CauseMessage kCauseMessages[] = {
    {SettingsCause::NotAFile, OwnMessage::CauseNotAFile},
    {SettingsCause::TooLarge, OwnMessage::CauseTooLarge},
    {SettingsCause::Undecodable, OwnMessage::CauseUndecodable},
    {SettingsCause::PartlyUndecodable, OwnMessage::CausePartlyUndecodable},
    {SettingsCause::OtherUser, OwnMessage::CauseOtherUser},
    {SettingsCause::FolderIsALink, OwnMessage::CauseFolderIsALink},
    {SettingsCause::FolderWritableByOthers, OwnMessage::CauseFolderWritableByOthers},
    {SettingsCause::NoHome, OwnMessage::CauseNoHome},
};

// The message with %1, %2 and %3 replaced; the replacements are not searched again.
std::string filled(OwnMessage message, Region region, const std::string& first,
                   const std::string& second, const std::string& third) {
    const std::string_view text = OwnMessageText(message, region);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            const char which = text[++i];
            out += which == '1' ? first : which == '2' ? second : third;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::string SettingsCauseText(const SettingsProblem& problem, Region region) {
    for (const auto& entry : kCauseMessages) {
        if (entry.cause == problem.cause) return std::string(OwnMessageText(entry.message, region));
    }
    return std::system_category().message(problem.systemError);
}

std::string SettingsNotSavedText(const std::string& file, const SettingsProblem& problem,
                                 Region region) {
    return filled(OwnMessage::SettingsNotSaved, region, file, SettingsCauseText(problem, region),
                  {});
}

std::string SettingsKeptAsideText(const std::string& file, const SettingsProblem& problem,
                                  Region region) {
    return filled(OwnMessage::SettingsFileKeptAside, region, file,
                  SettingsCauseText(problem, region), SetAsidePath(file));
}

std::string SettingsUnreadableText(const std::string& file, const SettingsProblem& problem,
                                   Region region) {
    return filled(OwnMessage::SettingsFileUnreadable, region, file,
                  SettingsCauseText(problem, region), SetAsidePath(file));
}

} // namespace tessaline
