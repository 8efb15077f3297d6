#pragma once

#include <optional>
#include <string>

namespace tessaline {

// The first IPv4 address of a host name, formatted "a.b.c.d"; nullopt when it does not resolve.
std::optional<std::string> ResolveHostIpv4(const std::string& hostName);

} // namespace tessaline
