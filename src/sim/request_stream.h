#pragma once

#include "sim/sim_printer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::sim {

enum class MessageKind {
    Configuration, // a configuration to apply; no reply
    Calibration,   // a configuration ending with the sensor adjustment; answered
    ConfigRequest, // "SEND CONFIG" of a scope
    MachineInfo,   // "SEND MACHINE INFO"
    Counters,      // serial number and counters
    Status,        // one of the three status queries
};

struct Message {
    MessageKind kind = MessageKind::Configuration;
    ConfigScope scope = ConfigScope::Standard; // ConfigRequest
    int statusKind = 0;                        // Status: 0 native, 1 Zebra, 2 Eltron
    std::string text;                          // Configuration, Calibration: the text
};

// Splits the bytes a host sends into the printer's messages. Framed messages (command prefix,
// text, a last line "END" or "EXIT") and status queries are recognised wherever they start;
// everything between them is print data (self tests, samples, print files) and only counted.
class RequestStream {
public:
    // Takes more bytes; returns the messages they completed.
    std::vector<Message> feed(std::string_view bytes);
    size_t printDataBytes() const { return printDataBytes_; }

private:
    bool takeFramed(size_t start, std::vector<Message>& out);

    std::string pending_;
    size_t printDataBytes_ = 0;
};

} // namespace tessaline::sim
