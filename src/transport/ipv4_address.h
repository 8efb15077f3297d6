#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessaline {

// True for exactly four dot-separated runs of decimal digits, each at most 255.
bool isDottedAddress(const std::string& text);

// The IPv4 address (host byte order) of a dotted address, or of the first address a host name
// resolves to; nothing when the name does not resolve.
std::optional<uint32_t> resolveIpv4(const std::string& text);

// The dotted address as one number, first part in the highest byte; the text after the third
// dot goes to the lowest byte.
uint32_t PackAddress(const std::string& text);

} // namespace tessaline
