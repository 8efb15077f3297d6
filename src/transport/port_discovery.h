#pragma once

#include "platform/device_discovery.h"
#include "platform/print_spooler.h"

#include <map>
#include <string>
#include <vector>

namespace tessaline {

// Queue name -> description of the port behind it, and -> the kind of that port (the values of
// InterfaceKind: 2 serial, 3 parallel, 4 USB, 5 network, 0 other).
using DriverPortMap = std::map<std::string, std::string>;
using DriverKindMap = std::map<std::string, int>;

struct QueueTable {
    std::vector<std::string> names; // sorted alphabetically, ignoring case
    DriverPortMap ports;
    DriverKindMap kinds;
    std::string defaultQueue; // empty when the spooler has none
};

// The local print queues with what stands behind each. No spooler means an empty table.
QueueTable ListPrinterQueues(const PrintSpooler& spooler, const DeviceDiscovery& discovery);

// The selectable ports, each list sorted alphabetically ignoring case: serial device paths with
// the /dev/serial/by-id links, parallel device paths, and the USB printer port names with
// "USB_AUTO".
struct PortLists {
    std::vector<std::string> serial;
    std::vector<std::string> parallel;
    std::vector<std::string> usb;
};
PortLists FillPortLists(const DeviceDiscovery& discovery);

// Case-insensitive alphabetical order of the list controls.
bool lessIgnoringCase(const std::string& a, const std::string& b);

} // namespace tessaline
