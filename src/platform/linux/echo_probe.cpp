#include "platform/echo_probe.h"

#include "platform/linux/unique_fd.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaline {
namespace {

using Clock = std::chrono::steady_clock;

uint16_t internetChecksum(const uint8_t* data, size_t size) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2) sum += static_cast<uint32_t>(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

// With a datagram socket the kernel sets the identifier and hands back only our replies, with
// no IP header; with a raw socket every ICMP packet arrives behind its IP header.
bool isOurReply(const uint8_t* packet, ssize_t size, bool raw, uint16_t identifier,
                uint16_t sequence, uint32_t from, uint32_t address) {
    if (from != address) return false;
    if (raw) {
        if (size < 1) return false;
        size_t headerLength = static_cast<size_t>(packet[0] & 0x0F) * 4;
        if (static_cast<size_t>(size) < headerLength + 8) return false;
        packet += headerLength;
        size -= static_cast<ssize_t>(headerLength);
    }
    if (size < 8) return false;
    icmphdr header{};
    std::memcpy(&header, packet, sizeof header);
    if (header.type != ICMP_ECHOREPLY) return false;
    if (ntohs(header.un.echo.sequence) != sequence) return false;
    return !raw || ntohs(header.un.echo.id) == identifier;
}

// Numbers the requests of this process. Every thread's raw socket sees every echo reply to this
// process, all under the process's identifier: the sequence number alone tells whose a reply is,
// so it comes from one counter that any number of threads share.
std::atomic<uint16_t> nextSequence{0};

} // namespace

struct EchoProbe::Native {
    UniqueFd sock;
    bool raw = false;
    uint16_t identifier = 0;
    uint16_t sequence = 0;
    uint32_t address = 0;
};

EchoProbe::EchoProbe() = default;
EchoProbe::~EchoProbe() = default;

EchoOutcome EchoProbe::send(uint32_t address) {
    native_.reset();
    auto probe = std::make_unique<Native>();
    probe->sock.reset(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (!probe->sock) {
        probe->sock.reset(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
        probe->raw = true;
    }
    if (!probe->sock) return EchoOutcome::Unavailable;

    int ttl = 255;
    ::setsockopt(probe->sock.get(), IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);

    probe->identifier = static_cast<uint16_t>(::getpid());
    probe->sequence = ++nextSequence;
    probe->address = address;
    icmphdr request{};
    request.type = ICMP_ECHO;
    request.code = 0;
    request.un.echo.id = htons(probe->identifier);
    request.un.echo.sequence = htons(probe->sequence);
    uint8_t bytes[sizeof request];
    std::memcpy(bytes, &request, sizeof request);
    uint16_t checksum = htons(internetChecksum(bytes, sizeof bytes));
    std::memcpy(bytes + offsetof(icmphdr, checksum), &checksum, sizeof checksum);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(address);
    if (::sendto(probe->sock.get(), bytes, sizeof bytes, 0, reinterpret_cast<sockaddr*>(&target),
                 sizeof target) < 0)
        return EchoOutcome::NoReply;
    native_ = std::move(probe);
    return EchoOutcome::Waiting;
}

EchoOutcome EchoProbe::awaitReply(std::chrono::milliseconds limit) {
    if (!native_) return EchoOutcome::NoReply;
    const Native& probe = *native_;
    const auto deadline = Clock::now() + limit;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd waiting{probe.sock.get(), POLLIN, 0};
        int ready = ::poll(&waiting, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return EchoOutcome::NoReply;
        if (ready == 0) return EchoOutcome::Waiting;
        uint8_t packet[1500];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t size = ::recvfrom(probe.sock.get(), packet, sizeof packet, 0,
                                  reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (size < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return EchoOutcome::NoReply;
        }
        if (isOurReply(packet, size, probe.raw, probe.identifier, probe.sequence,
                       ntohl(from.sin_addr.s_addr), probe.address))
            return EchoOutcome::Reply;
        if (Clock::now() >= deadline) return EchoOutcome::Waiting; // others' packets go on
    }
}

} // namespace tessaline
