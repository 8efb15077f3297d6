#pragma once

namespace tessaline {

// The kinds of interface a printer is reached through, numbered as the settings file stores
// them ("PORT_TYPE") and as the queue table records a queue's port.
enum class InterfaceKind : int {
    None = 0,
    Printer = 1, // a print queue
    Serial = 2,
    Parallel = 3,
    Usb = 4,
    Network = 5,
};

} // namespace tessaline
