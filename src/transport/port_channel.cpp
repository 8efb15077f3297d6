#include "transport/port_channel.h"

#include "platform/port_naming.h"
#include "transport/channel_clock.h"
#include "transport/exchange_sizes.h"
#include "transport/usb_port_resolver.h"

#include <algorithm>

namespace tessaline {
namespace {

constexpr Millis kOutputQueuePause{5};

OpenFailureCause causeOf(DeviceOpenState state) {
    switch (state) {
    case DeviceOpenState::NotFound:
        return OpenFailureCause::NotFound;
    case DeviceOpenState::Busy:
        return OpenFailureCause::Busy;
    case DeviceOpenState::PermissionDenied:
        return OpenFailureCause::PermissionDenied;
    default:
        return OpenFailureCause::SystemError;
    }
}

} // namespace

CPortChannel::CPortChannel(ChannelSetup setup)
    : setup_(std::move(setup)), handover_(setup_.handOverQueues ? &spooler_ : nullptr) {}

CPortChannel::~CPortChannel() {
    ClosePort();
    CloseSocket();
}

bool CPortChannel::failOpen(OpenFailureCause cause, int osError) {
    lastOpenFailure_ = {cause, osError};
    return false;
}

bool CPortChannel::pause(Millis pause) const {
    return pauseFor(setup_.cancel, pause);
}

bool CPortChannel::OpenPort(InterfaceKind kind, const std::string& portName) {
    lastOpenFailure_ = {};
    if (kind != InterfaceKind::Serial && kind != InterfaceKind::Parallel &&
        kind != InterfaceKind::Usb)
        return failOpen(OpenFailureCause::NoPortKind);
    if (device_.isOpen() || socket_.isOpen()) return failOpen(OpenFailureCause::AlreadyOpen);
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
    if (!opened || !device_.isOpen()) {
        device_.close();
        openKind_ = InterfaceKind::None;
        return false;
    }
    return true;
}

bool CPortChannel::openDevice(const std::string& path) {
    DeviceOpenStatus status = device_.open(path);
    if (status.opened()) return true;
    return failOpen(causeOf(status.state), status.osError);
}

// The queues on a serial port stay paused from the open to the close; a failed open gives them
// back at once.
bool CPortChannel::openSerial(const std::string& path) {
    handover_.takeOver(path);
    if (!openDevice(path) || !drainDevice()) {
        handover_.giveBack();
        return false;
    }
    return true;
}

// The queues on a parallel port are paused only around the open.
bool CPortChannel::openParallel(const std::string& path) {
    handover_.takeOver(path);
    bool opened = openDevice(path);
    handover_.giveBack();
    return opened && drainDevice();
}

bool CPortChannel::openUsb(const std::string& name) {
    const ChannelTimings& t = setup_.timings;
    auto start = ChannelClock::now();
    std::optional<ResolvedUsbPort> found;
    resolvedUsbPort_.clear();
    for (;;) {
        found = resolveUsbPort(name, setup_.discovery.usbPrintPorts());
        if (found) break;
        if (elapsedSince(start) > t.usbResolveLimit)
            return failOpen(OpenFailureCause::UsbPortNotConnected);
        if (!pause(t.usbResolveRetry)) return failOpen(OpenFailureCause::Cancelled);
    }
    // Resolving once more by the specific name records which port is in use.
    std::optional<ResolvedUsbPort> again =
        resolveUsbPort(found->portName, setup_.discovery.usbPrintPorts());
    if (again) {
        found = again;
        resolvedUsbPort_ = again->portName;
    }
    if (setup_.usbInUse) setup_.usbInUse(found->devicePath + "#" + found->portName);
    return openDevice(found->devicePath) && drainDevice();
}

bool CPortChannel::ConfigureSerialLine(const SerialLineSettings& settings) {
    if (!device_.isOpen() || openKind_ != InterfaceKind::Serial) return false;
    SystemStatus applied = device_.applyLineSettings(settings);
    if (!applied.ok()) return failOpen(OpenFailureCause::LineSettingsRefused, applied.error);
    return true;
}

// The channel keeps its own time-outs; the device has no time-out record to refuse them.
bool CPortChannel::SetSerialTimeouts(uint32_t readMs, uint32_t writeMs) {
    if (!device_.isOpen() ||
        (openKind_ != InterfaceKind::Serial && openKind_ != InterfaceKind::Parallel))
        return false;
    serialReadTimeout_ = readMs;
    serialWriteTimeout_ = writeMs;
    return true;
}

bool CPortChannel::SetUsbTimeouts(uint32_t readMs) {
    if (!device_.isOpen() || openKind_ != InterfaceKind::Usb) return false;
    usbReadTimeout_ =
        std::max<uint32_t>(readMs, static_cast<uint32_t>(setup_.timings.usbMinReadTimeout.count()));
    usbWriteTimeout_ = static_cast<uint32_t>(setup_.timings.writeStallLimit.count());
    return true;
}

bool CPortChannel::SetSocketTimeouts(uint32_t readMs) {
    if (!socket_.isOpen()) return false;
    socketReadTimeout_ = readMs;
    socketWriteTimeout_ = static_cast<uint32_t>(setup_.timings.writeStallLimit.count());
    return true;
}

// Throws away whatever the printer had queued before this exchange; false when cancelled.
bool CPortChannel::drainDevice() {
    uint8_t scratch[kDrainChunk];
    auto start = ChannelClock::now();
    while (elapsedSince(start) <= setup_.timings.drainLimit) {
        if (isCancelled(setup_.cancel)) return failOpen(OpenFailureCause::Cancelled);
        size_t wanted = sizeof scratch;
        if (openKind_ == InterfaceKind::Serial) {
            IoResult queued = device_.queuedInput();
            if (queued.failed() || queued.bytes == 0) return true;
            wanted = std::min(wanted, queued.bytes);
        }
        IoResult taken = device_.readAvailable(scratch, wanted);
        if (taken.failed() || taken.bytes == 0) return true;
    }
    return true;
}

// Waits while the line still sends what was written; false when it made no progress for
// `limit`, or when the exchange was cancelled.
bool CPortChannel::waitOutputSent(Millis limit) {
    IoResult queued = device_.queuedOutput();
    auto lastProgress = ChannelClock::now();
    while (!queued.failed() && queued.bytes > 0) {
        if (elapsedSince(lastProgress) > limit) return false;
        if (!pause(kOutputQueuePause)) return false;
        IoResult now = device_.queuedOutput();
        if (now.failed() || now.bytes < queued.bytes) lastProgress = ChannelClock::now();
        queued = now;
    }
    return true;
}

bool CPortChannel::ClosePort() {
    if (!device_.isOpen()) return false;
    // A write returns once the bytes are queued for the line, so what was written goes out
    // before the purge; only a line that has stalled, or an exchange that was cancelled, loses
    // its queued output. Both purges fail harmlessly on devices that are no terminal.
    if (waitOutputSent(setup_.timings.writeStallLimit))
        device_.purge(PurgeScope::Input);
    else
        device_.purge(PurgeScope::InputAndOutput);
    SystemStatus closed = device_.close();
    if (openKind_ == InterfaceKind::Serial) handover_.giveBack();
    serialReadTimeout_ = serialWriteTimeout_ = 0;
    usbReadTimeout_ = usbWriteTimeout_ = 0;
    portName_.clear();
    openKind_ = InterfaceKind::None;
    return closed.ok();
}

} // namespace tessaline
