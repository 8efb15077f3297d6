#pragma once

#include <cstdint>
#include <string>

namespace tessaline {

// The line settings of a serial port, in the codes the settings file stores.
struct SerialLineSettings {
    uint32_t baudRate = 9600;
    uint8_t dataBits = 8;
    uint8_t stopBitsCode = 0;      // 0 one, 1 one and a half, 2 two
    uint8_t parityCode = 0;        // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::string flowControl = "N"; // "H" hardware, "X" Xon/Xoff, anything else none
};

} // namespace tessaline
