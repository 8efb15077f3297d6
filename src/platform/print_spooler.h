#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessaline {

// One local print queue and the device it prints to.
struct PrintQueue {
    std::string name;
    std::string deviceUri;
    bool paused = false; // the queue is stopped
};

enum class RawDocumentOutcome {
    Done,
    OpenFailed, // the queue could not be reached
    WriteFault, // a later step failed
};

// The system's print spooler. Every call fails soft: no spooler running means no queues, and
// connecting and each reply have time limits. Each call makes a connection of its own, so
// spoolers may be used from several threads at once.
class PrintSpooler {
public:
    // The spooler SetPrintSpoolerServer names, else the one CUPS_SERVER or the client
    // configuration names, else the local one.
    PrintSpooler() = default;
    // The spooler at `server` (a socket path, or a host with an optional ":port").
    explicit PrintSpooler(std::string server) : server_(std::move(server)) {}

    // All local queues, in the spooler's order.
    std::vector<PrintQueue> listQueues() const;
    // The default queue's name (LPDEST or PRINTER first), empty when there is none or no
    // spooler answers.
    std::string defaultQueue() const;
    // Stops and restarts a queue; false when the spooler refuses (e.g. for lack of rights).
    bool pauseQueue(const std::string& name) const;
    bool resumeQueue(const std::string& name) const;
    // Hands `data` to the queue as one unfiltered document titled "My Document"; `written` gets
    // the bytes accepted.
    RawDocumentOutcome sendRawDocument(const std::string& queue, std::span<const uint8_t> data,
                                       uint32_t& written) const;

private:
    std::string server_; // empty: chosen at each call as the default constructor says
};

// Points the spoolers of this process that name none of their own at another spooler (a socket
// path or a host name), from every thread; null returns to the system's own.
void SetPrintSpoolerServer(const char* server);

} // namespace tessaline
