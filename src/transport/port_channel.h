#pragma once

#include "platform/device_discovery.h"
#include "platform/device_port.h"
#include "platform/print_spooler.h"
#include "platform/serial_line.h"
#include "platform/stream_socket.h"
#include "transport/cancel_token.h"
#include "transport/channel_result.h"
#include "transport/channel_timings.h"
#include "transport/interface_kind.h"
#include "transport/open_failure.h"
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
    // When set, every wait of the channel ends soon after it is cancelled: the operation then
    // ends with ChannelCode::Cancelled, an open with the cause Cancelled. May be null.
    const CancelToken* cancel = nullptr;
};

// The one channel to the printer: opens a serial, parallel or USB port or a TCP connection,
// writes, reads one reply, drains stale input and closes. Only one interface is open at a time.
class CPortChannel {
public:
    explicit CPortChannel(ChannelSetup setup = {});
    ~CPortChannel();
    CPortChannel(const CPortChannel&) = delete;
    CPortChannel& operator=(const CPortChannel&) = delete;

    // Opens a port of the given kind (serial, parallel or USB). False for other kinds, when a
    // port is open already, or when the device cannot be had; lastOpenFailure() says why.
    bool OpenPort(InterfaceKind kind, const std::string& portName);
    // Puts the open serial port into raw mode with these line settings.
    bool ConfigureSerialLine(const SerialLineSettings& settings);
    bool ConnectSocket(const std::string& address, uint16_t port);
    // An ICMP echo reply arrived within the echo limit. Where this process may not send echo
    // requests the answer is true and the next connect is bounded by the echo limit instead.
    bool IsReachable(const std::string& address);
    // Why the last OpenPort, ConfigureSerialLine, IsReachable or ConnectSocket failed.
    const OpenFailure& lastOpenFailure() const { return lastOpenFailure_; }
    // The bytes the last ReceiveSocket had taken when the peer closed the connection.
    uint32_t bytesBeforeClose() const { return bytesBeforeClose_; }

    bool SetSerialTimeouts(uint32_t readMs, uint32_t writeMs);
    bool SetUsbTimeouts(uint32_t readMs);
    bool SetSocketTimeouts(uint32_t readMs);

    ChannelResult WritePort(const uint8_t* data, uint32_t count, uint32_t* written);
    // Reads one reply into `reply` (which the caller cleared); `count` receives its length.
    ChannelResult ReadPort(std::span<uint8_t> reply, uint32_t* count, RequestKind completion);
    ChannelResult SendSocket(uint32_t count, const uint8_t* data, uint32_t* sent);
    ChannelResult ReceiveSocket(std::span<uint8_t> reply, uint32_t* count, RequestKind completion);

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
    bool drainDevice();
    bool drainSocket();
    bool failOpen(OpenFailureCause cause, int osError = 0);
    bool pause(Millis pause) const;

    ChannelResult writeLine(const uint8_t* data, uint32_t count, uint32_t* written);
    ChannelResult writeUsb(const uint8_t* data, uint32_t count, uint32_t* written);
    ChannelResult readSerial(std::span<uint8_t> reply, uint32_t* count, CompletionClass completion);
    ChannelResult readParallel(std::span<uint8_t> reply, uint32_t* count,
                               CompletionClass completion);
    ChannelResult readUsb(std::span<uint8_t> reply, uint32_t* count, CompletionClass completion);
    bool waitOutputSent(Millis limit);

    ChannelSetup setup_;
    PrintSpooler spooler_;
    QueueHandover handover_;
    InterfaceKind openKind_ = InterfaceKind::None;
    DevicePort device_;
    StreamSocket socket_;
    OpenFailure lastOpenFailure_;
    std::string portName_;
    std::string resolvedUsbPort_;
    uint32_t usbReadTimeout_ = 0;
    uint32_t usbWriteTimeout_ = 0;
    uint32_t socketReadTimeout_ = 0;
    uint32_t socketWriteTimeout_ = 0;
    uint32_t serialReadTimeout_ = 0;
    uint32_t serialWriteTimeout_ = 0;
    bool boundNextConnect_ = false;
    uint32_t bytesBeforeClose_ = 0;
};

} // namespace tessaline
