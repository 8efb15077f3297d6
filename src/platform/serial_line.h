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

// Puts the terminal `fd` into raw mode with the given line settings. False when `fd` is no
// terminal, the baud rate is not supported or the driver refuses.
bool applySerialLineSettings(int fd, const SerialLineSettings& settings);

// Bytes waiting to be read on `fd`; -1 when the query fails.
int queuedInputBytes(int fd);

// Bytes written to `fd` that the line has not sent yet; -1 when the query fails.
int queuedOutputBytes(int fd);

// Throws away what is queued in both directions; false when `fd` is no terminal.
bool purgeTerminal(int fd);
// Throws away only the input not read yet; false when `fd` is no terminal.
bool purgeTerminalInput(int fd);

} // namespace tessaline
