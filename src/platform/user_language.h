#pragma once

#include <cstdint>
#include <string_view>

namespace tessaline {

// Primary language identifiers (the low 10 bits of a language id) that the program tells apart.
inline constexpr uint16_t kLanguageChinese = 0x04;
inline constexpr uint16_t kLanguageEnglish = 0x09;
inline constexpr uint16_t kLanguageJapanese = 0x11;
inline constexpr uint16_t kLanguageKorean = 0x12;

// The primary language of a locale name such as "ja_JP.UTF-8": ja Japanese, zh Chinese,
// ko Korean, anything else (also "C", "POSIX" and the empty name) English.
uint16_t PrimaryLanguageOfLocale(std::string_view localeName);

// The primary language of the user: the locale of the messages category, from the first of
// LC_ALL, LC_MESSAGES and LANG that is set and not empty.
uint16_t UserPrimaryLanguage();

} // namespace tessaline
