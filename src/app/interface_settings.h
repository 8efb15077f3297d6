#pragma once

#include <cstdint>
#include <string>

#include "transport/interface_kind.h"

namespace tessaline {

// How the printer is reached; numbered as the settings file stores it.
using PortType = InterfaceKind;

// Serial line codes as the settings file and the serial settings dialog store them.
enum class StopBitsCode : uint8_t { One = 0, OneAndHalf = 1, Two = 2 };
enum class ParityCode : uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };

inline constexpr int kRegionUnset = 255;

// The remembered interface settings; the application holds them as loaded and as current.
struct InterfaceSettings {
    PortType portType = PortType::None;
    std::string portName;
    std::string defaultFolder;
    std::string printerModel;
    int32_t baudRate = 9600;
    uint8_t dataBits = 8;
    StopBitsCode stopBits = StopBitsCode::One;
    ParityCode parity = ParityCode::None;
    std::string flowControl = "X"; // "X" Xon/Xoff, "H" hardware, "N" none
    std::string portNumber;        // empty means 9100
    int32_t region = kRegionUnset;
    std::string appMode = "STANDARD";
    std::string advancedTab = "OFF";

    bool operator==(const InterfaceSettings&) const = default;
};

} // namespace tessaline
