#include "platform/linux/ipp_socket_exchange.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>

namespace tessaline {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint16_t kFirstErrorStatus = 0x0400;
constexpr size_t kLongestLine = 8192;
constexpr size_t kReceiveChunk = 16384;

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A whole number in `text` and nothing else.
bool number(std::string_view text, int base, uint64_t& out) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, out, base);
    return !text.empty() && error == std::errc() && stop == end;
}

// Waits for `events` on `fd` until `deadline`.
bool ready(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd entry{fd, events, 0};
        int n = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (n > 0) return true;
        if (n < 0 && errno != EINTR) return false;
    }
}

bool sendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty()) {
        ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!ready(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// The reply as it arrives, read no further than the deadline and the byte limit allow.
class ReplyReader {
public:
    ReplyReader(int fd, Clock::time_point deadline, size_t limit)
        : fd_(fd), deadline_(deadline), limit_(limit) {}

    // The next line without its CRLF.
    bool line(std::string& out) {
        for (;;) {
            size_t end = buffer_.find("\r\n", start_);
            if (end != std::string::npos) {
                out = buffer_.substr(start_, end - start_);
                start_ = end + 2;
                return true;
            }
            if (buffer_.size() - start_ > kLongestLine || !fill()) return false;
        }
    }
    bool bytes(size_t count, std::string& out) {
        while (buffer_.size() - start_ < count)
            if (!fill()) return false;
        out.append(buffer_, start_, count);
        start_ += count;
        return true;
    }
    // Everything up to the peer's end of the stream.
    bool rest(std::string& out) {
        while (fill()) {}
        if (!ended_) return false;
        out.append(buffer_, start_);
        start_ = buffer_.size();
        return true;
    }

private:
    bool fill() {
        if (ended_ || received_ >= limit_) return false;
        buffer_.erase(0, start_);
        start_ = 0;
        char chunk[kReceiveChunk];
        for (;;) {
            if (!ready(fd_, POLLIN, deadline_)) return false;
            ssize_t n =
                ::recv(fd_, chunk, std::min(sizeof chunk, limit_ - received_), MSG_DONTWAIT);
            if (n > 0) {
                buffer_.append(chunk, static_cast<size_t>(n));
                received_ += static_cast<size_t>(n);
                return true;
            }
            if (n == 0) {
                ended_ = true;
                return false;
            }
            if (errno != EAGAIN && errno != EINTR) return false;
        }
    }

    int fd_;
    Clock::time_point deadline_;
    size_t limit_;
    size_t received_ = 0;
    bool ended_ = false;
    std::string buffer_;
    size_t start_ = 0;
};

bool statusIsOk(const std::string& line) {
    // "HTTP/1.1 200 OK"; the reason text may be anything.
    if (line.size() < 12 || line.compare(0, 7, "HTTP/1.") != 0 || line[8] != ' ') return false;
    return line.compare(9, 3, "200") == 0 && (line.size() == 12 || line[12] == ' ');
}

bool readChunked(ReplyReader& in, size_t limit, std::string& body) {
    for (;;) {
        std::string line;
        if (!in.line(line)) return false;
        std::string_view size = trimmed(std::string_view(line).substr(0, line.find(';')));
        uint64_t count = 0;
        if (!number(size, 16, count) || count > limit - body.size()) return false;
        if (count == 0) return true; // any trailer is left unread
        if (!in.bytes(static_cast<size_t>(count), body) || !in.line(line) || !line.empty())
            return false;
    }
}

std::atomic<uint32_t> lastRequestId{0};

} // namespace

UniqueFd ConnectToUnixSocket(const std::string& path, std::chrono::milliseconds limit) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return UniqueFd();
    path.copy(address.sun_path, path.size());
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd) return fd;
    // A blocking connect to a Unix socket waits for room in the listener's queue no longer
    // than the send time-out.
    timeval wait{};
    wait.tv_sec = static_cast<time_t>(limit.count() / 1000);
    wait.tv_usec = static_cast<suseconds_t>(limit.count() % 1000 * 1000);
    if (::setsockopt(fd.get(), SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait) != 0 ||
        ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return UniqueFd();
    return fd;
}

std::optional<std::string> PostIpp(int fd, std::string_view request,
                                   const IppExchangeLimits& limits) {
    const Clock::time_point deadline = Clock::now() + limits.reply;
    std::string head = "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Type: application/ipp\r\n"
                       "Content-Length: " +
                       std::to_string(request.size()) + "\r\nConnection: close\r\n\r\n";
    if (!sendAll(fd, head, deadline) || !sendAll(fd, request, deadline)) return std::nullopt;

    ReplyReader in(fd, deadline, limits.replyBytes);
    std::string line;
    if (!in.line(line) || !statusIsOk(line)) return std::nullopt;
    std::optional<uint64_t> length;
    bool chunked = false;
    for (;;) {
        if (!in.line(line)) return std::nullopt;
        if (line.empty()) break;
        size_t colon = line.find(':');
        if (colon == std::string::npos) return std::nullopt;
        std::string name = lower(trimmed(std::string_view(line).substr(0, colon)));
        std::string_view value = trimmed(std::string_view(line).substr(colon + 1));
        if (name == "transfer-encoding") {
            if (lower(value) != "chunked") return std::nullopt; // no other coding is asked for
            chunked = true;
        } else if (name == "content-length") {
            uint64_t n = 0;
            if (!number(value, 10, n) || (length && *length != n)) return std::nullopt;
            length = n;
        }
    }
    std::string body;
    if (chunked) {
        if (!readChunked(in, limits.replyBytes, body)) return std::nullopt;
    } else if (length) {
        if (*length > limits.replyBytes || !in.bytes(static_cast<size_t>(*length), body))
            return std::nullopt;
    } else if (!in.rest(body)) {
        return std::nullopt;
    }
    return body;
}

std::optional<IppMessage> AskSpoolerSocket(const std::string& socketPath, uint16_t operation,
                                           std::span<const IppRequestAttribute> attributes,
                                           const IppExchangeLimits& limits) {
    UniqueFd fd = ConnectToUnixSocket(socketPath, limits.connect);
    if (!fd) return std::nullopt;
    const uint32_t id = ++lastRequestId;
    std::optional<std::string> body =
        PostIpp(fd.get(), BuildIppRequest(operation, id, attributes), limits);
    if (!body) return std::nullopt;
    std::optional<IppMessage> response = ParseIppMessage(*body);
    if (!response || response->requestId != id || response->code >= kFirstErrorStatus)
        return std::nullopt;
    return response;
}

} // namespace tessaline
