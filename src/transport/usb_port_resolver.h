#pragma once

#include "platform/device_discovery.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaline {

struct ResolvedUsbPort {
    std::string devicePath;
    std::string portName; // "USB%03d" of the port found
};

// Finds the connected USB printer port a name asks for: "USB_AUTO" takes the first connected
// port; any other name must be six characters long and its last three give the port number.
std::optional<ResolvedUsbPort> resolveUsbPort(const std::string& name,
                                              const std::vector<UsbPrintPort>& ports);

} // namespace tessaline
