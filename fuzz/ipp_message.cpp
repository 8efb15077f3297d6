// Feeds arbitrary bytes to the IPP message parser and reads back every value it returns.
#include "platform/ipp_message.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    std::optional<IppMessage> message =
        ParseIppMessage(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!message) return 0;
    for (const IppGroup& group : message->groups)
        for (const IppAttribute& attribute : group.attributes) {
            if (attribute.values.empty()) std::abort();
            for (const IppValue& value : attribute.values) {
                std::optional<std::string> text = IppText(value);
                if (text && text->size() > value.bytes.size()) std::abort();
                IppInteger(value);
            }
        }
    return 0;
}
