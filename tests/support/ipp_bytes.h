#pragma once

// IPP messages spelt out byte by byte, for replies a test server sends.

#include <cstdint>
#include <string>

namespace ipp_bytes {

inline std::string u16(size_t n) {
    return {static_cast<char>(n >> 8 & 0xFF), static_cast<char>(n & 0xFF)};
}
inline std::string u32(uint32_t n) {
    return u16(n >> 16) + u16(n & 0xFFFF);
}
// Version 1.1, the status or operation, the request id.
inline std::string head(uint16_t code, uint32_t id) {
    return std::string("\x01\x01", 2) + u16(code) + u32(id);
}
inline std::string tag(uint8_t t) {
    return std::string(1, static_cast<char>(t));
}
inline std::string attribute(uint8_t t, const std::string& name, const std::string& value) {
    return tag(t) + u16(name.size()) + name + u16(value.size()) + value;
}
inline std::string name(const std::string& n, const std::string& v) {
    return attribute(0x42, n, v);
}
inline std::string uri(const std::string& n, const std::string& v) {
    return attribute(0x45, n, v);
}
inline std::string enumeration(const std::string& n, uint32_t v) {
    return attribute(0x23, n, u32(v));
}
inline std::string withLanguage(const std::string& language, const std::string& text) {
    return u16(language.size()) + language + u16(text.size()) + text;
}
inline std::string operationGroup() {
    return tag(0x01) + attribute(0x47, "attributes-charset", "utf-8") +
           attribute(0x48, "attributes-natural-language", "en");
}
inline std::string printerGroup() {
    return tag(0x04);
}
inline std::string end() {
    return tag(0x03);
}
// The id of a request's body, which a response must repeat.
inline uint32_t requestId(const std::string& body) {
    uint32_t id = 0;
    for (size_t i = 4; i < 8 && i < body.size(); ++i)
        id = id << 8 | static_cast<uint8_t>(body[i]);
    return id;
}

} // namespace ipp_bytes
