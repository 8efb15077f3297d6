#include "platform/host_lookup.h"

#include <arpa/inet.h>
#include <memory>
#include <netdb.h>

namespace tessaline {

std::optional<std::string> ResolveHostIpv4(const std::string& hostName) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (hostName.empty() || getaddrinfo(hostName.c_str(), nullptr, &hints, &found) != 0 || !found)
        return std::nullopt;
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, freeaddrinfo);
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    char text[INET_ADDRSTRLEN] = {};
    if (!inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) return std::nullopt;
    return std::string(text);
}

} // namespace tessaline
