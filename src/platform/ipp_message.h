#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// The tags this program writes or reads; a parsed message may hold any other tag as well.
namespace ipp_tag {
constexpr uint8_t kOperationGroup = 0x01;
constexpr uint8_t kEndOfAttributes = 0x03;
constexpr uint8_t kPrinterGroup = 0x04;
constexpr uint8_t kInteger = 0x21;
constexpr uint8_t kEnum = 0x23;
constexpr uint8_t kTextWithLanguage = 0x35;
constexpr uint8_t kNameWithLanguage = 0x36;
constexpr uint8_t kName = 0x42;
constexpr uint8_t kKeyword = 0x44;
constexpr uint8_t kUri = 0x45;
constexpr uint8_t kCharset = 0x47;
constexpr uint8_t kNaturalLanguage = 0x48;
} // namespace ipp_tag

// One value as it travels: its tag and its bytes.
struct IppValue {
    uint8_t tag = 0;
    std::string bytes;
};

struct IppAttribute {
    std::string name;
    std::vector<IppValue> values; // at least one
};

struct IppGroup {
    uint8_t tag = 0;
    std::vector<IppAttribute> attributes;
};

// A request or a response: `code` is the operation of a request, the status of a response.
struct IppMessage {
    uint16_t code = 0;
    uint32_t requestId = 0;
    std::vector<IppGroup> groups;
};

// One attribute of a request, in the group it belongs to.
struct IppRequestAttribute {
    uint8_t group = ipp_tag::kOperationGroup;
    uint8_t tag = 0;
    std::string name;
    std::vector<std::string> values;
};

// The encoded request; attributes of one group must follow each other.
std::string BuildIppRequest(uint16_t operation, uint32_t requestId,
                            std::span<const IppRequestAttribute> attributes);

// The four bytes of an integer or enum value.
std::string IppIntegerBytes(int32_t value);

// The message in `bytes` up to its end tag; nothing when any part is missing or overlong.
std::optional<IppMessage> ParseIppMessage(std::string_view bytes);

// The first attribute named `name` in `group`, or null.
const IppAttribute* FindIppAttribute(const IppGroup& group, std::string_view name);

// The text of a string value (without the language of the WithLanguage forms), or nothing when
// the value is no string or malformed.
std::optional<std::string> IppText(const IppValue& value);

// The value of an integer or enum value, or nothing.
std::optional<int32_t> IppInteger(const IppValue& value);

} // namespace tessaline
