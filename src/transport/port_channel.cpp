#include "transport/port_channel.h"

#include "platform/port_naming.h"
#include "transport/channel_clock.h"
#include "transport/result_codes.h"
#include "transport/usb_port_resolver.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace tessaline {
namespace {

constexpr size_t kDrainChunk = 4096;
constexpr Millis kOutputQueuePause{5};

// Waits while the line still sends what was written; false when it made no progress for `limit`.
bool waitOutputSent(int fd, Millis limit) {
    int queued = queuedOutputBytes(fd);
    auto lastProgress = ChannelClock::now();
    while (queued > 0) {
        if (elapsedSince(lastProgress) > limit) return false;
        std::this_thread::sleep_for(kOutputQueuePause);
        const int now = queuedOutputBytes(fd);
        if (now < queued) lastProgress = ChannelClock::now();
        queued = now;
    }
    return true;
}

} // namespace

CPortChannel::CPortChannel(ChannelSetup setup)
    : setup_(std::move(setup)), handover_(setup_.handOverQueues ? &spooler_ : nullptr) {}

CPortChannel::~CPortChannel() {
    ClosePort();
    CloseSocket();
}

bool CPortChannel::OpenPort(InterfaceKind kind, const std::string& portName) {
    if (kind != InterfaceKind::Serial && kind != InterfaceKind::Parallel &&
        kind != InterfaceKind::Usb)
        return false;
    if (device_ || socket_) return false;
    openKind_ = kind;
    portName_ = portName;
    bool opened = false;
    switch (kind) {
    case InterfaceKind::Serial:
        opened = openSerial(deviceFileForPort(portName));
        break;
    case InterfaceKind::Parallel:
        opened = openParallel(deviceFileForPort(portName));
        break;
    default:
        opened = openUsb(portName);
        break;
    }
    if (!opened || !device_) {
        device_.reset();
        openKind_ = InterfaceKind::None;
        return false;
    }
    return true;
}

// Opens the device for reading and writing without waiting on the line, and takes it for this
// process alone: a second user (another program holding the same lock) is refused.
bool CPortChannel::openDevice(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return false;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return false;
    device_ = std::move(fd);
    return true;
}

// The queues on a serial port stay paused from the open to the close; a failed open gives them
// back at once.
bool CPortChannel::openSerial(const std::string& path) {
    handover_.takeOver(path);
    if (!openDevice(path)) {
        handover_.giveBack();
        return false;
    }
    drainDevice();
    return true;
}

// The queues on a parallel port are paused only around the open.
bool CPortChannel::openParallel(const std::string& path) {
    handover_.takeOver(path);
    bool opened = openDevice(path);
    handover_.giveBack();
    if (opened) drainDevice();
    return opened;
}

bool CPortChannel::openUsb(const std::string& name) {
    const ChannelTimings& t = setup_.timings;
    auto start = ChannelClock::now();
    std::optional<ResolvedUsbPort> found;
    resolvedUsbPort_.clear();
    for (;;) {
        found = resolveUsbPort(name, setup_.discovery.usbPrintPorts());
        if (found) break;
        if (elapsedSince(start) > t.usbResolveLimit) return false;
        pauseFor(t.usbResolveRetry);
    }
    // Resolving once more by the specific name records which port is in use.
    std::optional<ResolvedUsbPort> again =
        resolveUsbPort(found->portName, setup_.discovery.usbPrintPorts());
    if (again) {
        found = again;
        resolvedUsbPort_ = again->portName;
    }
    if (setup_.usbInUse) setup_.usbInUse(found->devicePath + "#" + found->portName);
    if (!openDevice(found->devicePath)) return false;
    drainDevice();
    return true;
}

bool CPortChannel::ConfigureSerialLine(const SerialLineSettings& settings) {
    if (!device_ || openKind_ != InterfaceKind::Serial) return false;
    return applySerialLineSettings(device_.get(), settings);
}

// The channel keeps its own time-outs; the device has no time-out record to refuse them.
bool CPortChannel::SetSerialTimeouts(uint32_t readMs, uint32_t writeMs) {
    if (!device_ || (openKind_ != InterfaceKind::Serial && openKind_ != InterfaceKind::Parallel))
        return false;
    serialReadTimeout_ = readMs;
    serialWriteTimeout_ = writeMs;
    return true;
}

bool CPortChannel::SetUsbTimeouts(uint32_t readMs) {
    if (!device_ || openKind_ != InterfaceKind::Usb) return false;
    usbReadTimeout_ =
        std::max<uint32_t>(readMs, static_cast<uint32_t>(setup_.timings.usbMinReadTimeout.count()));
    usbWriteTimeout_ = static_cast<uint32_t>(setup_.timings.writeStallLimit.count());
    return true;
}

bool CPortChannel::SetSocketTimeouts(uint32_t readMs) {
    if (!socket_) return false;
    socketReadTimeout_ = readMs;
    socketWriteTimeout_ = static_cast<uint32_t>(setup_.timings.writeStallLimit.count());
    return true;
}

// Throws away whatever the printer had queued before this exchange.
void CPortChannel::drainDevice() {
    uint8_t scratch[kDrainChunk];
    auto start = ChannelClock::now();
    while (elapsedSince(start) <= setup_.timings.drainLimit) {
        size_t wanted = sizeof scratch;
        if (openKind_ == InterfaceKind::Serial) {
            int queued = queuedInputBytes(device_.get());
            if (queued <= 0) return;
            wanted = std::min<size_t>(wanted, static_cast<size_t>(queued));
        }
        if (::read(device_.get(), scratch, wanted) <= 0) return;
    }
}

bool CPortChannel::ClosePort() {
    if (!device_) return false;
    // A write returns once the bytes are queued for the line, so what was written goes out
    // before the purge; only a line that has stalled loses its queued output. Both purges fail
    // harmlessly on devices that are no terminal.
    if (waitOutputSent(device_.get(), setup_.timings.writeStallLimit))
        purgeTerminalInput(device_.get());
    else
        purgeTerminal(device_.get());
    int result = ::close(device_.release());
    if (openKind_ == InterfaceKind::Serial) handover_.giveBack();
    serialReadTimeout_ = serialWriteTimeout_ = 0;
    usbReadTimeout_ = usbWriteTimeout_ = 0;
    portName_.clear();
    openKind_ = InterfaceKind::None;
    return result == 0;
}

} // namespace tessaline
