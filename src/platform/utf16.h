#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// UTF-8 <-> UTF-16LE byte strings. Malformed input becomes U+FFFD; nothing is dropped silently.
std::string utf8ToUtf16Le(std::string_view utf8);
std::string utf16LeToUtf8(std::string_view utf16le);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// The length of a UTF-8 text counted in UTF-16 code units.
size_t utf16Length(std::string_view utf8);

} // namespace tessaline
