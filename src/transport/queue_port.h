#pragma once

#include "platform/device_discovery.h"
#include "transport/interface_kind.h"

#include <string>
#include <vector>

namespace tessaline {

// What stands behind a print queue: the kind of its port and the text that names it.
struct QueuePort {
    InterfaceKind kind = InterfaceKind::None;
    std::string description;
};

// Classifies a queue by its device URI, in this order:
//   serial:PATH?options  -> Serial,   "PATH, baud, bits, stop, Parity, Flow" ("PATH" alone
//                                      when the URI carries no line settings)
//   parallel:PATH        -> Parallel, "PATH"
//   usb://MAKER/MODEL... -> Usb,      the "USB%03d" name of the USB printer port whose device
//                                      id names that printer (the URI when none does)
//   socket://HOST[:PORT] -> Network,  "HOST, PORT" (PORT 9100 when not given)
//   anything else        -> None,     the URI
QueuePort classifyQueuePort(const std::string& deviceUri,
                            const std::vector<UsbPrintPort>& usbPorts);

// The device a serial: or parallel: URI prints to; empty for other URIs.
std::string queueDevicePath(const std::string& deviceUri);

// The USB port name that stands for the first connected USB printer port.
inline constexpr const char* kUsbAutoPort = "USB_AUTO";

// "USB%03d" of a port number.
std::string usbPortName(uint32_t portNumber);

} // namespace tessaline
