#include "config/configuration_stream.h"

#include "config/text_vocabulary.h"
#include "transport/command_prefix.h"

namespace tessaline {

namespace {

bool recognise(std::string_view bytes, RecognisedStream& out) {
    if (bytes.starts_with(PrefixHeadFirstPart)) {
        out.crLfPutInFront = !bytes.starts_with(PrefixHead);
    } else if (bytes.starts_with(PrefixHeadSecondPart)) {
        out.crLfPutInFront = true;
    } else {
        return false;
    }
    out.recognised = true;
    out.bytes.clear();
    if (out.crLfPutInFront) out.bytes.append(kLineEnd);
    out.bytes.append(bytes);
    return true;
}

} // namespace

RecognisedStream recogniseConfigurationStream(std::string_view bytes, bool mayDropFirstByte) {
    RecognisedStream out;
    if (recognise(bytes, out)) return out;
    if (mayDropFirstByte && !bytes.empty() && recognise(bytes.substr(1), out))
        out.firstByteDropped = true;
    return out;
}

std::string joinFileLines(std::string_view fileBytes) {
    std::string text;
    text.reserve(fileBytes.size() + fileBytes.size() / 16 + 2);
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find('\n');
        std::string_view line = fileBytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        text.append(line).append(kLineEnd);
        if (end == std::string_view::npos) break;
        fileBytes.remove_prefix(end + 1);
    }
    return text;
}

} // namespace tessaline
