#include "platform/echo_probe.h"
#include "transport/channel_clock.h"
#include "transport/ipv4_address.h"
#include "transport/port_channel.h"
#include "transport/result_codes.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace tessaline {
namespace {

constexpr uint32_t kSocketWriteChunk = 1024;
constexpr size_t kDrainChunk = 4096;
constexpr int kEmptyWaitsBeforeTimeout = 3;

enum class Readiness { Ready, Quiet, Failed };

Readiness waitFor(int fd, short events, Millis limit) {
    pollfd waiting{fd, events, 0};
    int ready = ::poll(&waiting, 1, pollMs(limit));
    if (ready < 0) return errno == EINTR ? Readiness::Quiet : Readiness::Failed;
    if (ready == 0) return Readiness::Quiet;
    if (waiting.revents & POLLNVAL) return Readiness::Failed;
    return Readiness::Ready;
}

bool socketErrorPending(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0;
}

bool transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

} // namespace

bool CPortChannel::IsReachable(const std::string& address) {
    std::optional<uint32_t> ip = resolveIpv4(address);
    if (!ip) return false;
    switch (sendEchoRequest(*ip, setup_.timings.echoLimit)) {
    case EchoOutcome::Reply:
        boundNextConnect_ = false;
        return true;
    case EchoOutcome::Unavailable:
        boundNextConnect_ = true;
        return true;
    default:
        return false;
    }
}

bool CPortChannel::ConnectSocket(const std::string& address, uint16_t port) {
    if (socket_ || device_) return false;
    bool bounded = std::exchange(boundNextConnect_, false);
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd) {
        openKind_ = InterfaceKind::None;
        return false;
    }
    std::optional<uint32_t> ip = resolveIpv4(address);
    if (!ip) return false;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = htonl(*ip);
    if (::connect(fd.get(), reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
        if (errno != EINPROGRESS) return false;
        // Without an echo test first, an absent printer is given up after the echo limit.
        Millis limit = bounded ? setup_.timings.echoLimit : Millis(-1);
        if (waitFor(fd.get(), POLLOUT, limit) != Readiness::Ready) return false;
        if (socketErrorPending(fd.get())) return false;
    }
    int inlineUrgent = 1;
    if (::setsockopt(fd.get(), SOL_SOCKET, SO_OOBINLINE, &inlineUrgent, sizeof inlineUrgent) != 0)
        return false;
    socket_ = std::move(fd);
    openKind_ = InterfaceKind::Network;
    portName_ = address;
    drainSocket();
    return true;
}

void CPortChannel::drainSocket() {
    uint8_t scratch[kDrainChunk];
    auto start = ChannelClock::now();
    while (elapsedSince(start) <= setup_.timings.drainLimit) {
        if (waitFor(socket_.get(), POLLIN, setup_.timings.drainWait) != Readiness::Ready) return;
        if (::recv(socket_.get(), scratch, sizeof scratch, 0) <= 0) return;
        if (socketErrorPending(socket_.get())) return;
    }
}

uint32_t CPortChannel::SendSocket(uint32_t count, const uint8_t* data, uint32_t* sent) {
    if (!socket_) return kResultInvalidHandle;
    if (!data || !sent || count == 0) return kResultBadArguments;
    const Millis stallLimit(socketWriteTimeout_);
    uint32_t total = 0;
    uint32_t result = kResultOk;
    auto lastProgress = ChannelClock::now();
    auto waitingSince = lastProgress;
    while (total < count) {
        // The wait for room is cut into pieces so that a printer that takes nothing for longer
        // than the write time-out ends the send, instead of blocking for the whole long wait.
        Millis left = std::min(stallLimit - elapsedSince(lastProgress),
                               setup_.timings.socketWritableLimit - elapsedSince(waitingSince));
        Readiness room = waitFor(socket_.get(), POLLOUT, std::max(left, Millis(0)));
        if (room == Readiness::Failed) {
            result = kResultDeviceNotConnected;
            break;
        }
        if (room == Readiness::Quiet) {
            if (elapsedSince(waitingSince) > setup_.timings.socketWritableLimit) {
                result = kResultDeviceNotConnected;
                break;
            }
            if (elapsedSince(lastProgress) > stallLimit) {
                result = kResultTimeout;
                break;
            }
            continue;
        }
        waitingSince = ChannelClock::now();
        uint32_t chunk = std::min(kSocketWriteChunk, count - total);
        ssize_t n = ::send(socket_.get(), data + total, chunk, MSG_NOSIGNAL);
        if ((n < 0 && !transient(errno)) || socketErrorPending(socket_.get())) {
            result = kResultDeviceNotConnected;
            break;
        }
        if (n <= 0) {
            if (elapsedSince(lastProgress) > stallLimit) {
                result = kResultTimeout;
                break;
            }
            continue;
        }
        total += static_cast<uint32_t>(n);
        lastProgress = ChannelClock::now();
    }
    *sent = total;
    return result;
}

// Waits for data up to the read time-out and takes what is there. Three empty waits in a row end
// the read with a time-out; in the silence class, once data has come, a short empty wait ends
// the reply. A peer that closes the connection ends it with count kPeerClosedCount.
uint32_t CPortChannel::ReceiveSocket(std::span<uint8_t> reply, uint32_t* count,
                                     int completionType) {
    if (!socket_) return kResultInvalidHandle;
    if (!count || reply.empty()) return kResultBadArguments;
    *count = 0;
    const ChannelTimings& t = setup_.timings;
    CompletionClass completion = completionClassOf(completionType);
    ReplyCollector collected(reply);
    const Millis timeout(socketReadTimeout_);
    auto start = ChannelClock::now();
    bool silenceArmed = false;
    int emptyWaits = 0;
    uint32_t result = kResultOk;
    for (;;) {
        Readiness ready =
            waitFor(socket_.get(), POLLIN, silenceArmed ? t.socketQuietWait : timeout);
        if (ready == Readiness::Failed) {
            result = kResultDeviceNotConnected;
            break;
        }
        if (ready == Readiness::Quiet) {
            if (silenceArmed) break;
            if (++emptyWaits >= kEmptyWaitsBeforeTimeout) {
                result = kResultWaitTimeout;
                break;
            }
            pauseFor(t.socketQuietWait);
            continue;
        }
        ssize_t n = ::recv(socket_.get(), collected.tail(), collected.space(), 0);
        if (n == 0) {
            *count = kPeerClosedCount;
            return kResultDeviceNotConnected;
        }
        if (n < 0) {
            if (transient(errno)) continue;
            result = kResultDeviceNotConnected;
            break;
        }
        if (socketErrorPending(socket_.get())) {
            result = kResultDeviceNotConnected;
            break;
        }
        emptyWaits = 0;
        collected.added(static_cast<size_t>(n));
        if (completion == CompletionClass::Terminator &&
            (collected.endsWithTerminator() || collected.endsWithTerminatorFollowed()))
            break;
        if (completion == CompletionClass::Silence && collected.count() > 2) silenceArmed = true;
        if (collected.full()) break;
        if (elapsedSince(start) > timeout) {
            result = kResultWaitTimeout;
            break;
        }
    }
    *count = collected.count();
    return result;
}

bool CPortChannel::CloseSocket() {
    if (!socket_) return false;
    ::shutdown(socket_.get(), SHUT_RDWR);
    socket_.reset();
    portName_.clear();
    socketReadTimeout_ = socketWriteTimeout_ = 0;
    openKind_ = InterfaceKind::None;
    return true;
}

} // namespace tessaline
