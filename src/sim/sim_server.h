#pragma once

#include "platform/sim_endpoint.h"
#include "sim/faults.h"
#include "sim/request_stream.h"
#include "sim/sim_printer.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace tessaline::sim {

// Serves one endpoint until `stopFd` becomes readable or `inputFd` reaches its end: over TCP one
// connection after the other, on a pseudo-terminal or device the one stream.
class SimServer {
public:
    SimServer(SimPrinter& printer, Faults faults, std::optional<std::string> recordFile);

    int run(Endpoint& endpoint, int inputFd, int stopFd);

    // The reply to one message ("" when none), after applying what it carries.
    std::string answer(const Message& message);

private:
    enum class Outcome { Continue, Closed, Stop };
    Outcome serveStream(int fd, bool closable, int inputFd, int stopFd);
    Outcome sendReply(int fd, const std::string& reply, bool closable, int stopFd);
    bool waitOrStop(int stopFd, int ms);
    void record(const char* data, size_t size);
    void markConnection();

    SimPrinter& printer_;
    Faults faults_;
    std::unique_ptr<FILE, int (*)(FILE*)> recordFile_{nullptr, &std::fclose};
    int connections_ = 0;
};

} // namespace tessaline::sim
