#pragma once

#include "platform/serial_line.h"
#include "transport/interface_kind.h"

#include <cstdint>
#include <string>

namespace tessaline {

// The TCP port used when the selection names none.
inline constexpr uint16_t kDefaultTcpPort = 9100;

// What the port channel reads from the current interface selection.
struct ChannelSelection {
    InterfaceKind kind = InterfaceKind::None;
    // A device path for serial and parallel ports, "USB%03d" or "USB_AUTO" for USB printer
    // ports, the queue name for a print queue, the IP address or host name for the network.
    std::string portName;
    SerialLineSettings line;
    std::string portNumber; // decimal TCP port; empty means the default port
    // For a print queue: the kind of the port behind it.
    InterfaceKind driverPortKind = InterfaceKind::None;
};

// Why the interface is opened; chooses the read time-outs.
enum class OpenPurpose : int {
    Send = 0,
    Receive = 1,
    SensorAdjustment = 2,
};

} // namespace tessaline
