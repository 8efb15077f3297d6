#pragma once

#include <string_view>

namespace tessaline {

// Sent in front of every configuration text and every request but the status query, and written
// in front of every exported file and of the last configuration.
inline constexpr std::string_view CommandPrefix{"~!!\r\n"        // bytes 1-5
                                                "\x02\x1b~A\r\n" // bytes 6-11
                                                "~\x1b~A\r\n",   // bytes 12-17
                                                17};

// The first 11 bytes, by which stored and received configuration streams are recognised, and
// its two parts, which are tested separately.
inline constexpr std::string_view PrefixHead = CommandPrefix.substr(0, 11);
inline constexpr std::string_view PrefixHeadFirstPart = PrefixHead.substr(0, 5);
inline constexpr std::string_view PrefixHeadSecondPart = PrefixHead.substr(5, 6);

} // namespace tessaline
