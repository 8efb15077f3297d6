#pragma once

#include <string>
#include <string_view>

namespace tessaline::cli {

// The text on one line for reading: backslashes and the control characters TAB, CR, LF and NUL
// written as \\, \t, \r, \n and \0.
std::string readableText(std::string_view text);

} // namespace tessaline::cli
