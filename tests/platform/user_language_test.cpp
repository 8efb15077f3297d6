#include "platform/user_language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace tessaline {
namespace {

TEST(UserLanguage, LanguageOfALocaleName) {
    const std::pair<const char*, uint16_t> kCases[] = {
        {"ja_JP.UTF-8", kLanguageJapanese},
        {"ja", kLanguageJapanese},
        {"ja_JP.eucJP@x", kLanguageJapanese},
        {"zh_CN.UTF-8", kLanguageChinese},
        {"zh_TW.Big5", kLanguageChinese},
        {"ko_KR.UTF-8", kLanguageKorean},
        {"en_US.UTF-8", kLanguageEnglish},
        {"de_DE@euro", kLanguageEnglish},
        {"C", kLanguageEnglish},
        {"POSIX", kLanguageEnglish},
        {"", kLanguageEnglish},
        {"jap", kLanguageEnglish},
        {"kok_IN", kLanguageEnglish},
    };
    for (const auto& [name, language] : kCases)
        EXPECT_EQ(PrimaryLanguageOfLocale(name), language) << name;
}

// Restores an environment variable when the test ends.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserLanguage, FirstSetVariableOfLcAllLcMessagesLang) {
    struct Case {
        const char* all;
        const char* messages;
        const char* lang;
        uint16_t language;
    };
    const Case kCases[] = {
        {"ko_KR.UTF-8", "ja_JP.UTF-8", "zh_CN.UTF-8", kLanguageKorean},
        {nullptr, "ja_JP.UTF-8", "zh_CN.UTF-8", kLanguageJapanese},
        {"", "", "zh_CN.UTF-8", kLanguageChinese},
        {nullptr, nullptr, "en_GB.UTF-8", kLanguageEnglish},
        {nullptr, nullptr, nullptr, kLanguageEnglish},
    };
    for (const auto& c : kCases) {
        ScopedVariable all("LC_ALL", c.all);
        ScopedVariable messages("LC_MESSAGES", c.messages);
        ScopedVariable lang("LANG", c.lang);
        EXPECT_EQ(UserPrimaryLanguage(), c.language);
    }
}

} // namespace
} // namespace tessaline
