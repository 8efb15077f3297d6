#include "platform/echo_probe.h"

#include "platform/linux/unique_fd.h"

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

} // namespace

EchoOutcome sendEchoRequest(uint32_t address, std::chrono::milliseconds limit) {
    bool raw = false;
    UniqueFd sock(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (!sock) {
        sock.reset(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
        raw = true;
    }
    if (!sock) return EchoOutcome::Unavailable;

    int ttl = 255;
    ::setsockopt(sock.get(), IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);

    // Every thread's raw socket sees every echo reply to this process, all of them under the
    // process's identifier: the sequence number alone tells whose a reply is, so it is drawn
    // from one counter that any number of threads may share.
    const uint16_t identifier = static_cast<uint16_t>(::getpid());
    static std::atomic<uint16_t> nextSequence = 0;
    const uint16_t sequence = ++nextSequence;
    icmphdr request{};
    request.type = ICMP_ECHO;
    request.code = 0;
    request.un.echo.id = htons(identifier);
    request.un.echo.sequence = htons(sequence);
    uint8_t bytes[sizeof request];
    std::memcpy(bytes, &request, sizeof request);
    uint16_t checksum = htons(internetChecksum(bytes, sizeof bytes));
    std::memcpy(bytes + offsetof(icmphdr, checksum), &checksum, sizeof checksum);

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(address);
    if (::sendto(sock.get(), bytes, sizeof bytes, 0, reinterpret_cast<sockaddr*>(&target),
                 sizeof target) < 0)
        return EchoOutcome::NoReply;

    const auto deadline = Clock::now() + limit;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return EchoOutcome::NoReply;
        pollfd waiting{sock.get(), POLLIN, 0};
        int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return EchoOutcome::NoReply;
        uint8_t packet[1500];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        ssize_t size = ::recvfrom(sock.get(), packet, sizeof packet, 0,
                                  reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (size < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return EchoOutcome::NoReply;
        }
        if (isOurReply(packet, size, raw, identifier, sequence, ntohl(from.sin_addr.s_addr),
                       address))
            return EchoOutcome::Reply;
    }
}

} // namespace tessaline
