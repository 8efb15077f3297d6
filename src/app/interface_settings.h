#pragma once

#include <cstdint>
#include <string>

namespace tessaline {

// How the printer is reached.
enum class PortType : int32_t {
    None = 0,
    Printer = 1,  // a print queue ("PRT")
    Serial = 2,   // "COM"
    Parallel = 3, // "LPT"
    Usb = 4,      // "USB"
    Network = 5,  // IP address and TCP port ("NET")
};

// Serial line codes as the settings file and the serial settings dialog store them.
enum class StopBitsCode : uint8_t { One = 0, OneAndHalf = 1, Two = 2 };
enum class ParityCode : uint8_t { None = 0, Odd = 1, Even = 2 };

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
