#pragma once

#include "platform/device_discovery.h"
#include "platform/linux/unique_fd.h"
#include "platform/print_spooler.h"
#include "platform/serial_line.h"
#include "transport/channel_timings.h"
#include "transport/interface_kind.h"
#include "transport/queue_handover.h"
#include "transport/reply_collector.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tessaline {

// Told the "path#name" of a USB printer port when the channel opens it.
using UsbInUseNotification = std::function<void(const std::string& pathAndName)>;

struct ChannelSetup {
    ChannelTimings timings;
    DeviceDiscovery discovery;     // where USB printer ports are found
    bool handOverQueues = true;    // pause print queues on the serial or parallel port in use
    UsbInUseNotification usbInUse; // may be empty
};

// The one channel to the printer: opens a serial, parallel or USB port or a TCP connection,
// writes, reads one reply, drains stale input and closes. Reads and writes return 0 or a result
// code (result_codes.h). Only one interface is open at a time.
class CPortChannel {
public:
    explicit CPortChannel(ChannelSetup setup = {});
    ~CPortChannel();
    CPortChannel(const CPortChannel&) = delete;
    CPortChannel& operator=(const CPortChannel&) = delete;

    // Opens a port of the given kind (serial, parallel or USB). False for other kinds, when a
    // port is open already, or when the device cannot be had.
    bool OpenPort(InterfaceKind kind, const std::string& portName);
    // Puts the open serial port into raw mode with these line settings.
    bool ConfigureSerialLine(const SerialLineSettings& settings);
    bool ConnectSocket(const std::string& address, uint16_t port);
    // An ICMP echo reply arrived within the echo limit. Where this process may not send echo
    // requests the answer is true and the next connect is bounded by the echo limit instead.
    bool IsReachable(const std::string& address);

    bool SetSerialTimeouts(uint32_t readMs, uint32_t writeMs);
    bool SetUsbTimeouts(uint32_t readMs);
    bool SetSocketTimeouts(uint32_t readMs);

    uint32_t WritePort(const uint8_t* data, uint32_t count, uint32_t* written);
    // Reads one reply into `reply` (which the caller cleared); `count` receives its length.
    uint32_t ReadPort(std::span<uint8_t> reply, uint32_t* count, int completionType);
    uint32_t SendSocket(uint32_t count, const uint8_t* data, uint32_t* sent);
    uint32_t ReceiveSocket(std::span<uint8_t> reply, uint32_t* count, int completionType);

    bool ClosePort();
    bool CloseSocket();

    InterfaceKind openKind() const { return openKind_; }
    const std::string& portName() const { return portName_; }
    const std::string& resolvedUsbPort() const { return resolvedUsbPort_; }
    const std::vector<std::string>& pausedQueues() const { return handover_.pausedQueues(); }
    const ChannelTimings& timings() const { return setup_.timings; }

private:
    bool openSerial(const std::string& path);
    bool openParallel(const std::string& path);
    bool openUsb(const std::string& name);
    bool openDevice(const std::string& path);
    void drainDevice();
    void drainSocket();

    uint32_t writeLine(const uint8_t* data, uint32_t count, uint32_t* written);
    uint32_t writeUsb(const uint8_t* data, uint32_t count, uint32_t* written);
    uint32_t readSerial(std::span<uint8_t> reply, uint32_t* count, CompletionClass completion);
    uint32_t readParallel(std::span<uint8_t> reply, uint32_t* count, CompletionClass completion);
    uint32_t readUsb(std::span<uint8_t> reply, uint32_t* count, CompletionClass completion);

    ChannelSetup setup_;
    PrintSpooler spooler_;
    QueueHandover handover_;
    InterfaceKind openKind_ = InterfaceKind::None;
    UniqueFd device_;
    UniqueFd socket_;
    std::string portName_;
    std::string resolvedUsbPort_;
    uint32_t usbReadTimeout_ = 0;
    uint32_t usbWriteTimeout_ = 0;
    uint32_t socketReadTimeout_ = 0;
    uint32_t socketWriteTimeout_ = 0;
    uint32_t serialReadTimeout_ = 0;
    uint32_t serialWriteTimeout_ = 0;
    bool boundNextConnect_ = false;
};

} // namespace tessaline
