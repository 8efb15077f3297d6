#pragma once

#include "platform/io_result.h"
#include "platform/serial_line.h"

namespace tessaline {

// The terminal controls of a serial line open as `fd`. Each fails on a descriptor that is no
// terminal.

// Raw mode with these line settings; EINVAL for a baud rate the line does not know.
SystemStatus applyTerminalSettings(int fd, const SerialLineSettings& settings);
// Bytes waiting to be read (in `bytes`).
IoResult terminalQueuedInput(int fd);
// Bytes written that the line has not sent yet (in `bytes`).
IoResult terminalQueuedOutput(int fd);
// Raw mode, leaving the line's speed as it is (the simulator's side of a pseudo-terminal).
SystemStatus makeTerminalRaw(int fd);
// Throws away the input not read yet, and with `output` also what is not sent yet.
SystemStatus flushTerminal(int fd, bool output);

} // namespace tessaline
