// Reads arbitrary bytes as an imported file or a printer reply: line joining, stream
// recognition, then the apply-mode parse of what was recognised.
#include "config/configuration_stream.h"
#include "config/configuration_reader.h"
#include "platform/code_page.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    if (size < 1) return 0;
    const bool reply = (data[0] & 1) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string bytes = reply ? std::string(input) : joinFileLines(input);
    const auto stream = recogniseConfigurationStream(bytes, reply);
    if (!stream.recognised) return 0;
    const std::size_t dropped = stream.firstByteDropped ? 1 : 0;
    const std::size_t added = stream.crLfPutInFront ? 2 : 0;
    if (stream.bytes.size() != bytes.size() - dropped + added) std::abort();
    ConfigurationRecordSet set;
    set.modelIndex = data[0] % 6;
    set.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(set, ParseMode::Apply);
    return 0;
}
