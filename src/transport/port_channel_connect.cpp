#include "platform/echo_probe.h"
#include "transport/channel_clock.h"
#include "transport/exchange_sizes.h"
#include "transport/ipv4_address.h"
#include "transport/port_channel.h"

#include <utility>

namespace tessaline {
namespace {

OpenFailureCause causeOf(ConnectState state) {
    switch (state) {
    case ConnectState::Refused:
        return OpenFailureCause::Refused;
    case ConnectState::Unreachable:
        return OpenFailureCause::Unreachable;
    case ConnectState::TimedOut:
        return OpenFailureCause::ConnectTimeout;
    default:
        return OpenFailureCause::SystemError;
    }
}

} // namespace

bool CPortChannel::IsReachable(const std::string& address) {
    lastOpenFailure_ = {};
    std::optional<uint32_t> ip = resolveIpv4(address);
    if (!ip) return failOpen(OpenFailureCause::HostUnknown);
    EchoProbe probe;
    switch (probe.send(*ip)) {
    case EchoOutcome::Unavailable:
        boundNextConnect_ = true;
        return true;
    case EchoOutcome::Waiting:
        break;
    default:
        return failOpen(OpenFailureCause::Unreachable);
    }
    WaitEnd reply = waitInSlices(setup_.cancel, setup_.timings.echoLimit, [&probe](Millis slice) {
        switch (probe.awaitReply(slice)) {
        case EchoOutcome::Reply:
            return Readiness::Ready;
        case EchoOutcome::Waiting:
            return Readiness::Quiet;
        default:
            return Readiness::Failed;
        }
    });
    if (reply == WaitEnd::Cancelled) return failOpen(OpenFailureCause::Cancelled);
    if (reply != WaitEnd::Ready) return failOpen(OpenFailureCause::Unreachable);
    boundNextConnect_ = false;
    return true;
}

bool CPortChannel::ConnectSocket(const std::string& address, uint16_t port) {
    lastOpenFailure_ = {};
    if (socket_.isOpen() || device_.isOpen()) return failOpen(OpenFailureCause::AlreadyOpen);
    bool bounded = std::exchange(boundNextConnect_, false);
    StreamSocket connection;
    SystemStatus created = connection.create();
    if (!created.ok()) {
        openKind_ = InterfaceKind::None;
        return failOpen(OpenFailureCause::SystemError, created.error);
    }
    std::optional<uint32_t> ip = resolveIpv4(address);
    if (!ip) return failOpen(OpenFailureCause::HostUnknown);
    ConnectStatus status = connection.startConnect(*ip, port);
    if (status.state == ConnectState::Pending) {
        // Without an echo test first, an absent printer is given up after the echo limit;
        // after one, the system's own connect time-out ends the wait.
        Millis limit = bounded ? setup_.timings.echoLimit : Millis(-1);
        WaitEnd end = waitInSlices(setup_.cancel, limit, [&](Millis slice) {
            status = connection.awaitConnect(slice);
            return status.state == ConnectState::Pending ? Readiness::Quiet : Readiness::Ready;
        });
        if (end == WaitEnd::Cancelled) return failOpen(OpenFailureCause::Cancelled);
        if (end == WaitEnd::Quiet) return failOpen(OpenFailureCause::ConnectTimeout);
    }
    if (status.state != ConnectState::Connected)
        return failOpen(causeOf(status.state), status.osError);
    SystemStatus inlined = connection.receiveUrgentInline();
    if (!inlined.ok()) return failOpen(OpenFailureCause::SystemError, inlined.error);
    socket_ = std::move(connection);
    openKind_ = InterfaceKind::Network;
    portName_ = address;
    if (!drainSocket()) {
        CloseSocket();
        return failOpen(OpenFailureCause::Cancelled);
    }
    return true;
}

// Throws away whatever the printer sent before this exchange; false when cancelled.
bool CPortChannel::drainSocket() {
    uint8_t scratch[kDrainChunk];
    auto start = ChannelClock::now();
    while (elapsedSince(start) <= setup_.timings.drainLimit) {
        WaitEnd ready = waitInSlices(setup_.cancel, setup_.timings.drainWait,
                                     [this](Millis slice) { return socket_.waitReadable(slice); });
        if (ready == WaitEnd::Cancelled) return false;
        if (ready != WaitEnd::Ready) return true;
        if (socket_.receive(scratch, sizeof scratch).bytes == 0) return true;
        if (!socket_.pendingError().ok()) return true;
    }
    return true;
}

bool CPortChannel::CloseSocket() {
    if (!socket_.isOpen()) return false;
    socket_.close();
    portName_.clear();
    socketReadTimeout_ = socketWriteTimeout_ = 0;
    openKind_ = InterfaceKind::None;
    return true;
}

} // namespace tessaline
