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

// The system's print spooler. Every call fails soft: no spooler running means no queues.
class PrintSpooler {
public:
    // All local queues, in the spooler's order.
    std::vector<PrintQueue> listQueues() const;
    // The default queue's name, empty when there is none.
    std::string defaultQueue() const;
    // Stops and restarts a queue; false when the spooler refuses (e.g. for lack of rights).
    bool pauseQueue(const std::string& name) const;
    bool resumeQueue(const std::string& name) const;
    // Hands `data` to the queue as one unfiltered document titled "My Document"; `written` gets
    // the bytes accepted.
    RawDocumentOutcome sendRawDocument(const std::string& queue, std::span<const uint8_t> data,
                                       uint32_t& written) const;
};

// Points this process at another spooler (a socket path or a host name); null returns to the
// system's own.
void SetPrintSpoolerServer(const char* server);

} // namespace tessaline
