#include "platform/serial_line.h"

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

} // namespace

bool applySerialLineSettings(int fd, const SerialLineSettings& settings) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    speed_t speed;
    if (!baudCode(settings.baudRate, speed)) return false;
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
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

int queuedInputBytes(int fd) {
    int queued = 0;
    if (::ioctl(fd, FIONREAD, &queued) != 0) return -1;
    return queued;
}

int queuedOutputBytes(int fd) {
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0) return -1;
    return queued;
}

bool purgeTerminal(int fd) {
    return ::tcflush(fd, TCIOFLUSH) == 0;
}

bool purgeTerminalInput(int fd) {
    return ::tcflush(fd, TCIFLUSH) == 0;
}

} // namespace tessaline
