#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// Text from a printer or a file made safe to show on a terminal or in a message: every control
// character but TAB (C0, DEL and the C1 controls U+0080..U+009F) becomes "\xNN", so a reply can
// never steer a terminal (an escape sequence in a serial number, say). With `keepLineEnds`, CR and
// LF stay as they are.
std::string VisibleText(std::string_view text, bool keepLineEnds);

} // namespace tessaline
