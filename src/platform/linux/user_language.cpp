#include "platform/user_language.h"

#include <cstdlib>

namespace tessaline {

namespace {

struct LocaleLanguage {
    std::string_view code;
    uint16_t language;
};

constexpr LocaleLanguage kLocaleLanguages[] = {
    {"ja", kLanguageJapanese},
    {"zh", kLanguageChinese},
    {"ko", kLanguageKorean},
};

} // namespace

uint16_t PrimaryLanguageOfLocale(std::string_view localeName) {
    // The language code stands before the territory, code set and modifier: ll[_TT][.cs][@mod].
    const std::string_view code = localeName.substr(0, localeName.find_first_of("_.@"));
    for (const auto& entry : kLocaleLanguages) {
        if (code == entry.code) return entry.language;
    }
    return kLanguageEnglish;
}

uint16_t UserPrimaryLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return PrimaryLanguageOfLocale(value);
    }
    return kLanguageEnglish;
}

} // namespace tessaline
