#include "transport/request_catalogue.h"

#include "platform/code_page.h"
#include "transport/command_prefix.h"

namespace tessaline {
namespace {

struct RequestText {
    RequestKind kind;
    std::string_view text;
};

constexpr RequestText kRequests[] = {
    {RequestKind::StandardConfig, "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n"},
    {RequestKind::AllConfig, "SEND CONFIG\t:\tALL\r\nEXIT\r\n"},
    {RequestKind::Counters, "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\n"
                            "CUT COUNTER:\r\nEXIT\r\n"},
    {RequestKind::AdvancedConfig, "SEND CONFIG\t:\tADVANCED\r\nEXIT\r\n"},
    {RequestKind::MachineInfo, "SEND MACHINE INFO\r\nEXIT\r\n"},
};

// By emulation kind: native, Zebra, Eltron.
constexpr std::string_view kStatusQueries[] = {"\x01"
                                               "A",
                                               "~HS\r\n", "^ee\r\n"};

} // namespace

std::string_view StatusQuery(EmulationKind emulation) {
    const auto index = static_cast<size_t>(emulation);
    if (index >= std::size(kStatusQueries)) return {};
    return kStatusQueries[index];
}

void BuildRequest(std::string& slot, RequestKind kind, EmulationKind emulation) {
    slot.clear();
    if (kind == RequestKind::Status) {
        slot = StatusQuery(emulation);
        return;
    }
    for (const RequestText& request : kRequests)
        if (request.kind == kind) slot = request.text;
}

std::string FrameForPrinter(RequestKind kind, std::string_view text) {
    std::string bytes;
    if (kind != RequestKind::Status) bytes = CommandPrefix;
    bytes += toAnsi(text);
    return bytes;
}

} // namespace tessaline
