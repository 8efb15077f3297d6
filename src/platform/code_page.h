#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// The single-byte or double-byte code page in which texts meet files and the printer.
enum class CodePage { Windows1252, Cp932, Cp936, Cp949 };

// The code page for a locale name such as "ja_JP.UTF-8": ja CP932, zh CP936, ko CP949, else
// Windows-1252.
CodePage codePageForLocale(std::string_view localeName);

// The code page of this process, from LC_ALL, LC_CTYPE or LANG (the first that is set).
CodePage systemCodePage();

// Whether the text is plain ASCII, which reads the same in UTF-8 and in every code page here.
bool isAscii(std::string_view text);

// UTF-8 to code-page bytes and back. Characters that the target cannot hold, and malformed input,
// become "?".
std::string toCodePage(std::string_view utf8, CodePage codePage);
std::string fromCodePage(std::string_view bytes, CodePage codePage);

// The same in the system code page.
inline std::string toAnsi(std::string_view utf8) {
    return toCodePage(utf8, systemCodePage());
}
inline std::string fromAnsi(std::string_view bytes) {
    return fromCodePage(bytes, systemCodePage());
}

} // namespace tessaline
