#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tessaline {

// One USB printer-class port of the kernel's usblp driver.
struct UsbPrintPort {
    std::string instanceId;  // the sysfs name of the port, e.g. "lp0"
    std::string devicePath;  // e.g. /dev/usb/lp0
    std::string deviceId;    // the printer's IEEE 1284 device id; empty when unknown
    std::string description; // maker and model from the device id, or the id itself
    uint32_t portNumber = 0; // N+1 for /dev/usb/lpN
    bool connected = false;  // the device node exists
};

// The value of the first of `keys` present in an IEEE 1284 device id ("MFG:Maker;MDL:Model;");
// empty when none is.
std::string deviceIdField(const std::string& id, std::initializer_list<const char*> keys);

// Finds the serial, parallel and USB printer ports of this computer from sysfs and /dev. Both
// roots are given so that tests can point them at temporary trees.
class DeviceDiscovery {
public:
    DeviceDiscovery() : DeviceDiscovery("/sys", "/dev") {}
    DeviceDiscovery(std::string sysRoot, std::string devRoot);

    // Device paths of the serial ports that have a real device behind them, sorted.
    std::vector<std::string> serialPorts() const;
    // The stable names of serial adapters: the links in /dev/serial/by-id, sorted. A link whose
    // device is gone is left out.
    std::vector<std::string> serialLinks() const;
    // Device paths of the parallel printer ports (/dev/lpN character devices), sorted.
    std::vector<std::string> parallelPorts() const;
    // The USB printer ports in ascending port number.
    std::vector<UsbPrintPort> usbPrintPorts() const;

    const std::string& sysRoot() const { return sysRoot_; }
    const std::string& devRoot() const { return devRoot_; }

private:
    std::string sysRoot_;
    std::string devRoot_;
};

} // namespace tessaline
