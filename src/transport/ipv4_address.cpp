#include "transport/ipv4_address.h"

#include "platform/host_lookup.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace tessaline {
namespace {

std::vector<std::string> splitAtDots(const std::string& text, size_t maxParts) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (parts.size() + 1 < maxParts) {
        size_t dot = text.find('.', start);
        if (dot == std::string::npos) break;
        parts.push_back(text.substr(start, dot - start));
        start = dot + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

bool isDottedAddress(const std::string& text) {
    std::vector<std::string> parts = splitAtDots(text, 5);
    if (parts.size() != 4) return false;
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 3) return false;
        for (unsigned char c : part)
            if (!std::isdigit(c)) return false;
        if (std::stoi(part) > 255) return false;
    }
    return true;
}

std::optional<uint32_t> resolveIpv4(const std::string& text) {
    if (isDottedAddress(text)) return PackAddress(text);
    std::optional<std::string> dotted = ResolveHostIpv4(text);
    if (!dotted) return std::nullopt;
    return PackAddress(*dotted);
}

uint32_t PackAddress(const std::string& text) {
    std::vector<std::string> parts = splitAtDots(text, 4);
    uint32_t packed = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        uint32_t value = static_cast<uint32_t>(std::strtoul(parts[i].c_str(), nullptr, 10));
        packed |= value << (8 * (3 - i));
    }
    return packed;
}

} // namespace tessaline
