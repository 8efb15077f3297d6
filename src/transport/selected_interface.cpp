#include "transport/selected_interface.h"

#include <cctype>

namespace tessaline {
namespace {

uint32_t asMs(Millis value) {
    return static_cast<uint32_t>(value.count());
}

// The decimal value of the port number text; the default port when the text is empty.
uint16_t tcpPortOf(const std::string& text) {
    if (text.empty()) return kDefaultTcpPort;
    uint32_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + static_cast<uint32_t>(c - '0');
        if (value > 0xFFFF) return 0;
    }
    return static_cast<uint16_t>(value);
}

} // namespace

bool OpenSelectedInterface(CPortChannel& channel, const ChannelSelection& selection,
                           OpenPurpose purpose) {
    const ChannelTimings& t = channel.timings();
    const bool sensor = purpose == OpenPurpose::SensorAdjustment;
    const uint32_t readTimeout = asMs(sensor ? t.sensorReadTimeout : t.readTimeout);
    switch (selection.kind) {
    case InterfaceKind::Serial:
        if (!channel.OpenPort(selection.kind, selection.portName)) return false;
        if (!channel.ConfigureSerialLine(selection.line)) return false;
        return channel.SetSerialTimeouts(readTimeout, asMs(t.writeStallLimit));
    case InterfaceKind::Parallel:
        if (!channel.OpenPort(selection.kind, selection.portName)) return false;
        channel.SetSerialTimeouts(readTimeout, asMs(t.writeStallLimit));
        return true;
    case InterfaceKind::Usb:
        if (!channel.OpenPort(selection.kind, selection.portName)) return false;
        channel.SetUsbTimeouts(readTimeout);
        return true;
    case InterfaceKind::Network:
        if (!channel.IsReachable(selection.portName)) return false;
        if (!channel.ConnectSocket(selection.portName, tcpPortOf(selection.portNumber)))
            return false;
        channel.SetSocketTimeouts(asMs(sensor ? t.sensorReadTimeout : t.socketReadTimeout));
        return true;
    default:
        return false;
    }
}

void CloseSelectedInterface(CPortChannel& channel, const ChannelSelection& selection) {
    InterfaceKind kind =
        selection.kind == InterfaceKind::Printer ? selection.driverPortKind : selection.kind;
    switch (kind) {
    case InterfaceKind::Serial:
    case InterfaceKind::Parallel:
    case InterfaceKind::Usb:
        channel.ClosePort();
        break;
    case InterfaceKind::Network:
        channel.CloseSocket();
        break;
    default:
        break;
    }
}

ChannelResult SendRawDocument(const PrintSpooler& spooler, const std::string& queue,
                              const uint8_t* data, uint32_t size, uint32_t* written) {
    uint32_t accepted = 0;
    RawDocumentOutcome outcome =
        spooler.sendRawDocument(queue, std::span<const uint8_t>(data, data ? size : 0), accepted);
    if (written) *written = accepted;
    switch (outcome) {
    case RawDocumentOutcome::OpenFailed:
        return ChannelCode::OpenFailed;
    case RawDocumentOutcome::WriteFault:
        return ChannelCode::WriteFault;
    default:
        return accepted == size ? ChannelCode::Ok : ChannelCode::WriteFault;
    }
}

} // namespace tessaline
