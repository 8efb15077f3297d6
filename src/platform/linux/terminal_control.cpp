#include "platform/linux/terminal_control.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>

namespace tessaline {
namespace {

struct BaudEntry {
    uint32_t rate;
    speed_t code;
};

constexpr BaudEntry kBaudTable[] = {
    {110, B110},       {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},
    {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool baudCode(uint32_t rate, speed_t& code) {
    for (const BaudEntry& entry : kBaudTable)
        if (entry.rate == rate) {
            code = entry.code;
            return true;
        }
    return false;
}

tcflag_t dataBitsFlag(uint8_t bits) {
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

SystemStatus failure() {
    return {errno};
}

IoResult queued(int fd, unsigned long request) {
    int count = 0;
    if (::ioctl(fd, request, &count) != 0) return {.error = errno};
    return {.bytes = count > 0 ? static_cast<size_t>(count) : 0};
}

} // namespace

SystemStatus applyTerminalSettings(int fd, const SerialLineSettings& settings) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return failure();
    speed_t speed;
    if (!baudCode(settings.baudRate, speed)) return {EINVAL};
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    tio.c_cflag |= dataBitsFlag(settings.dataBits);
    // There is no one-and-a-half stop bits setting on this platform; it sends two.
    if (settings.stopBitsCode != 0) tio.c_cflag |= CSTOPB;
    switch (settings.parityCode) {
    case 1:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        tio.c_cflag |= PARENB;
        break;
    case 3:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case 4:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (settings.parityCode != 0) tio.c_iflag |= INPCK;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.flowControl == "H")
        tio.c_cflag |= CRTSCTS;
    else if (settings.flowControl == "X")
        tio.c_iflag |= IXON | IXOFF;
    // Reads never block: the channel polls the queue itself.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return failure();
    return {};
}

IoResult terminalQueuedInput(int fd) {
    return queued(fd, FIONREAD);
}

IoResult terminalQueuedOutput(int fd) {
    return queued(fd, TIOCOUTQ);
}

SystemStatus makeTerminalRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return failure();
    ::cfmakeraw(&tio);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return failure();
    return {};
}

SystemStatus flushTerminal(int fd, bool output) {
    if (::tcflush(fd, output ? TCIOFLUSH : TCIFLUSH) != 0) return failure();
    return {};
}

} // namespace tessaline
