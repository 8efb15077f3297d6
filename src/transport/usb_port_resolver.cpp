#include "transport/usb_port_resolver.h"

#include "transport/queue_port.h"

#include <cctype>

namespace tessaline {
namespace {

constexpr size_t kUsbPortNameLength = 6;

// The unsigned decimal value of the leading digits of the last three characters (0 without).
uint32_t requestedNumber(const std::string& name) {
    uint32_t number = 0;
    for (char c : name.substr(name.size() - 3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    return number;
}

} // namespace

std::optional<ResolvedUsbPort> resolveUsbPort(const std::string& name,
                                              const std::vector<UsbPrintPort>& ports) {
    bool automatic = name == kUsbAutoPort;
    if (!automatic && name.size() != kUsbPortNameLength) return std::nullopt;
    uint32_t number = automatic ? 0 : requestedNumber(name);
    for (const UsbPrintPort& port : ports)
        if (port.connected && (automatic || port.portNumber == number))
            return ResolvedUsbPort{port.devicePath, usbPortName(port.portNumber)};
    return std::nullopt;
}

} // namespace tessaline
