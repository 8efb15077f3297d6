#include "sim/request_stream.h"

#include "config/text_vocabulary.h"
#include "transport/command_prefix.h"

#include <algorithm>

namespace tessaline::sim {
namespace {

enum class Start { Framed, Status0, Status1, Status2 };

struct StartMarker {
    std::string_view bytes;
    Start start;
};

constexpr StartMarker kMarkers[] = {
    {PrefixHeadFirstPart, Start::Framed},
    {"\x01"
     "A",
     Start::Status0},
    {"~HS\r\n", Start::Status1},
    {"^ee\r\n", Start::Status2},
};

struct RequestWord {
    std::string_view word;
    MessageKind kind;
    ConfigScope scope;
};

constexpr RequestWord kRequestWords[] = {
    {"SEND CONFIG\t:\tSTANDARD", MessageKind::ConfigRequest, ConfigScope::Standard},
    {"SEND CONFIG\t:\tALL", MessageKind::ConfigRequest, ConfigScope::All},
    {"SEND CONFIG\t:\tADVANCED", MessageKind::ConfigRequest, ConfigScope::Advanced},
    {"SEND MACHINE INFO", MessageKind::MachineInfo, ConfigScope::Standard},
    {"SERIAL NUMBER CHECK:", MessageKind::Counters, ConfigScope::Standard},
};

constexpr std::string_view kCalibrationLine = "\nAUTO CALIBRATION\r\n";

// The longest end of `text` that could still become a marker.
size_t partialMarkerLength(std::string_view text) {
    size_t longest = 0;
    for (const StartMarker& marker : kMarkers)
        for (size_t n = std::min(marker.bytes.size() - 1, text.size()); n > longest; --n)
            if (text.substr(text.size() - n) == marker.bytes.substr(0, n)) {
                longest = n;
                break;
            }
    return longest;
}

// Where the message's last line ("END" or "EXIT") ends, or npos while it has not arrived.
size_t endOfLastLine(std::string_view body) {
    size_t lineStart = 0;
    while (lineStart < body.size()) {
        size_t lineEnd = body.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) return std::string_view::npos;
        std::string_view row = body.substr(lineStart, lineEnd - lineStart);
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (row == kEndLine || row == kExitLine) return lineEnd + 1;
        lineStart = lineEnd + 1;
    }
    return std::string_view::npos;
}

} // namespace

std::vector<Message> RequestStream::feed(std::string_view bytes) {
    pending_.append(bytes);
    std::vector<Message> out;
    for (;;) {
        size_t first = std::string::npos;
        const StartMarker* found = nullptr;
        for (const StartMarker& marker : kMarkers) {
            size_t at = pending_.find(marker.bytes);
            if (at < first) {
                first = at;
                found = &marker;
            }
        }
        if (!found) {
            size_t keep = partialMarkerLength(pending_);
            printDataBytes_ += pending_.size() - keep;
            pending_.erase(0, pending_.size() - keep);
            return out;
        }
        printDataBytes_ += first;
        if (found->start != Start::Framed) {
            Message status;
            status.kind = MessageKind::Status;
            status.statusKind = static_cast<int>(found->start) - static_cast<int>(Start::Status0);
            out.push_back(status);
            pending_.erase(0, first + found->bytes.size());
            continue;
        }
        if (!takeFramed(first, out)) {
            pending_.erase(0, first);
            return out;
        }
    }
}

bool RequestStream::takeFramed(size_t start, std::vector<Message>& out) {
    std::string_view rest = std::string_view(pending_).substr(start);
    if (rest.size() < CommandPrefix.size() && CommandPrefix.substr(0, rest.size()) == rest)
        return false;
    size_t bodyStart = rest.substr(0, CommandPrefix.size()) == CommandPrefix
                           ? CommandPrefix.size()
                           : PrefixHeadFirstPart.size();
    std::string_view body = rest.substr(bodyStart);
    size_t end = endOfLastLine(body);
    if (end == std::string_view::npos) return false;
    std::string text(body.substr(0, end));
    pending_.erase(0, start + bodyStart + end);

    Message message;
    message.kind = MessageKind::Configuration;
    for (const RequestWord& request : kRequestWords)
        if (text.find(request.word) != std::string::npos) {
            message.kind = request.kind;
            message.scope = request.scope;
            break;
        }
    if (message.kind == MessageKind::Configuration &&
        ("\n" + text).find(kCalibrationLine) != std::string::npos)
        message.kind = MessageKind::Calibration;
    message.text = std::move(text);
    out.push_back(std::move(message));
    return true;
}

} // namespace tessaline::sim
