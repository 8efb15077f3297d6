#pragma once

#include <string>

namespace tessaline {

// Port names are the device paths themselves here ("/dev/ttyUSB0", "/dev/lp0"); the selectable
// serial list shows them unchanged and the device opened is the name as given.
inline std::string deviceFileForPort(const std::string& portName) {
    return portName;
}
inline std::string serialListEntry(const std::string& devicePath) {
    return devicePath;
}

} // namespace tessaline
