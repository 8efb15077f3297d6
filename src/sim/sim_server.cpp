#include "sim/sim_server.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaline::sim {
namespace {

constexpr size_t kReadChunk = 4096;

bool readable(const pollfd& p) {
    return p.revents & (POLLIN | POLLHUP | POLLERR);
}

// Reads and throws away input on `fd`; false at its end.
bool inputStillOpen(int fd) {
    char scratch[256];
    ssize_t n = ::read(fd, scratch, sizeof scratch);
    return n > 0 || (n < 0 && (errno == EINTR || errno == EAGAIN));
}

} // namespace

SimServer::SimServer(SimPrinter& printer, Faults faults, std::optional<std::string> recordFile)
    : printer_(printer), faults_(faults) {
    if (recordFile) recordFile_.reset(std::fopen(recordFile->c_str(), "ab"));
}

void SimServer::record(const char* data, size_t size) {
    if (!recordFile_) return;
    std::fwrite(data, 1, size, recordFile_.get());
    std::fflush(recordFile_.get());
}

void SimServer::markConnection() {
    ++connections_;
    std::string marker = "\n=== connection " + std::to_string(connections_) + " ===\n";
    record(marker.data(), marker.size());
}

std::string SimServer::answer(const Message& message) {
    std::string reply;
    switch (message.kind) {
    case MessageKind::Configuration:
        printer_.applyConfiguration(message.text);
        break;
    case MessageKind::Calibration:
        printer_.applyConfiguration(message.text);
        ++printer_.calibrations;
        reply = printer_.calibrationReply();
        break;
    case MessageKind::ConfigRequest:
        reply = printer_.configurationReply(message.scope);
        break;
    case MessageKind::MachineInfo:
        reply = printer_.machineInfoReply();
        break;
    case MessageKind::Counters:
        reply = printer_.countersReply();
        break;
    case MessageKind::Status:
        reply = printer_.statusReply(message.statusKind);
        break;
    }
    return faults_.silent ? std::string() : shapeReply(reply, faults_);
}

// Sleeps `ms`, or less when a stop is asked for; true when it was.
bool SimServer::waitOrStop(int stopFd, int ms) {
    pollfd stop{stopFd, POLLIN, 0};
    return ms > 0 && ::poll(&stop, 1, ms) > 0;
}

SimServer::Outcome SimServer::sendReply(int fd, const std::string& reply, bool closable,
                                        int stopFd) {
    if (waitOrStop(stopFd, faults_.replyDelayMs)) return Outcome::Stop;
    size_t end = faults_.closeMidReply ? reply.size() / 2 : reply.size();
    size_t step = faults_.trickleMs > 0 ? 1 : end;
    for (size_t sent = 0; sent < end;) {
        size_t chunk = std::min(step, end - sent);
        ssize_t n = closable ? ::send(fd, reply.data() + sent, chunk, MSG_NOSIGNAL)
                             : ::write(fd, reply.data() + sent, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return closable ? Outcome::Closed : Outcome::Continue;
        sent += static_cast<size_t>(n);
        if (faults_.trickleMs > 0 && sent < end && waitOrStop(stopFd, faults_.trickleMs))
            return Outcome::Stop;
    }
    return faults_.closeMidReply && closable ? Outcome::Closed : Outcome::Continue;
}

SimServer::Outcome SimServer::serveStream(int fd, bool closable, int inputFd, int stopFd) {
    RequestStream stream;
    for (;;) {
        pollfd fds[3] = {{fd, static_cast<short>(faults_.stopReading ? 0 : POLLIN), 0},
                         {inputFd, POLLIN, 0},
                         {stopFd, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR) continue;
            return Outcome::Stop;
        }
        // What the host has sent is taken before a request to stop is honoured.
        if (!readable(fds[0]) || faults_.stopReading) {
            if (readable(fds[2])) return Outcome::Stop;
            if (readable(fds[1]) && !inputStillOpen(inputFd)) return Outcome::Stop;
            if (!readable(fds[0])) continue;
            return Outcome::Closed; // not reading: the host hung up
        }
        char buffer[kReadChunk];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return closable ? Outcome::Closed : Outcome::Stop;
        record(buffer, static_cast<size_t>(n));
        for (const Message& message :
             stream.feed(std::string_view(buffer, static_cast<size_t>(n)))) {
            std::string reply = answer(message);
            if (reply.empty()) continue;
            Outcome outcome = sendReply(fd, reply, closable, stopFd);
            if (outcome != Outcome::Continue) return outcome;
        }
    }
}

int SimServer::run(Endpoint& endpoint, int inputFd, int stopFd) {
    if (!endpoint.listener) {
        markConnection();
        serveStream(endpoint.stream.get(), false, inputFd, stopFd);
        return 0;
    }
    for (;;) {
        pollfd fds[3] = {
            {endpoint.listener.get(), POLLIN, 0}, {inputFd, POLLIN, 0}, {stopFd, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        // A connection already waiting is served before a request to stop is honoured.
        if (!readable(fds[0])) {
            if (readable(fds[2])) return 0;
            if (readable(fds[1]) && !inputStillOpen(inputFd)) return 0;
            continue;
        }
        UniqueFd client(::accept4(endpoint.listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (!client) continue;
        markConnection();
        if (serveStream(client.get(), true, inputFd, stopFd) == Outcome::Stop) return 0;
    }
}

} // namespace tessaline::sim
