#include "platform/ipp_message.h"

namespace tessaline {
namespace {

constexpr uint8_t kVersionMajor = 2;
constexpr uint8_t kVersionMinor = 0;
constexpr uint8_t kFirstValueTag = 0x10; // tags below are group delimiters
constexpr uint8_t kFirstStringTag = 0x40;
constexpr uint8_t kLastStringTag = 0x5F;

void putShort(std::string& out, size_t value) {
    out += static_cast<char>(value >> 8 & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void putNamed(std::string& out, uint8_t tag, std::string_view name, std::string_view value) {
    out += static_cast<char>(tag);
    putShort(out, name.size());
    out += name;
    putShort(out, value.size());
    out += value;
}

// Reads big-endian fields off the front of a message; every take fails once the bytes run out.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    bool take(size_t count, std::string_view& out) {
        if (rest_.size() < count) return false;
        out = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return true;
    }
    bool number(size_t count, uint32_t& out) {
        std::string_view field;
        if (!take(count, field)) return false;
        out = 0;
        for (char c : field)
            out = out << 8 | static_cast<uint8_t>(c);
        return true;
    }
    bool counted(std::string_view& out) {
        uint32_t length = 0;
        return number(2, length) && take(length, out);
    }

private:
    std::string_view rest_;
};

// The text up to a NUL, as the library this replaces would have seen it.
std::string untilNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace

std::string BuildIppRequest(uint16_t operation, uint32_t requestId,
                            std::span<const IppRequestAttribute> attributes) {
    std::string out;
    out += static_cast<char>(kVersionMajor);
    out += static_cast<char>(kVersionMinor);
    putShort(out, operation);
    putShort(out, requestId >> 16);
    putShort(out, requestId & 0xFFFF);
    int group = -1;
    for (const IppRequestAttribute& attribute : attributes) {
        if (attribute.group != group) {
            group = attribute.group;
            out += static_cast<char>(group);
        }
        for (size_t i = 0; i < attribute.values.size(); ++i)
            putNamed(out, attribute.tag, i == 0 ? std::string_view(attribute.name) : "",
                     attribute.values[i]);
    }
    out += static_cast<char>(ipp_tag::kEndOfAttributes);
    return out;
}

std::string IppIntegerBytes(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    std::string out;
    putShort(out, bits >> 16);
    putShort(out, bits & 0xFFFF);
    return out;
}

std::optional<IppMessage> ParseIppMessage(std::string_view bytes) {
    Reader in(bytes);
    IppMessage message;
    uint32_t version = 0, code = 0;
    if (!in.number(2, version) || !in.number(2, code) || !in.number(4, message.requestId))
        return std::nullopt;
    message.code = static_cast<uint16_t>(code);
    for (;;) {
        uint32_t tag = 0;
        if (!in.number(1, tag)) return std::nullopt; // no end tag
        if (tag == ipp_tag::kEndOfAttributes) return message;
        if (tag == 0) return std::nullopt;
        if (tag < kFirstValueTag) {
            message.groups.push_back(IppGroup{static_cast<uint8_t>(tag), {}});
            continue;
        }
        std::string_view name, value;
        if (message.groups.empty() || !in.counted(name) || !in.counted(value)) return std::nullopt;
        std::vector<IppAttribute>& attributes = message.groups.back().attributes;
        if (name.empty()) { // a further value of the attribute before
            if (attributes.empty()) return std::nullopt;
        } else {
            attributes.push_back(IppAttribute{std::string(name), {}});
        }
        attributes.back().values.push_back(IppValue{static_cast<uint8_t>(tag), std::string(value)});
    }
}

const IppAttribute* FindIppAttribute(const IppGroup& group, std::string_view name) {
    for (const IppAttribute& attribute : group.attributes)
        if (attribute.name == name) return &attribute;
    return nullptr;
}

std::optional<std::string> IppText(const IppValue& value) {
    if (value.tag >= kFirstStringTag && value.tag <= kLastStringTag) return untilNul(value.bytes);
    if (value.tag != ipp_tag::kTextWithLanguage && value.tag != ipp_tag::kNameWithLanguage)
        return std::nullopt;
    Reader in(value.bytes);
    std::string_view language, text;
    if (!in.counted(language) || !in.counted(text)) return std::nullopt;
    return untilNul(text);
}

std::optional<int32_t> IppInteger(const IppValue& value) {
    if (value.tag != ipp_tag::kInteger && value.tag != ipp_tag::kEnum) return std::nullopt;
    if (value.bytes.size() != 4) return std::nullopt;
    uint32_t bits = 0;
    Reader(value.bytes).number(4, bits);
    return static_cast<int32_t>(bits);
}

} // namespace tessaline
