#pragma once

#include <string>

namespace tessaline::sim {

// Ways the simulated printer can misbehave, to exercise the host's time-outs and checks.
struct Faults {
    int replyDelayMs = 0;       // wait before a reply
    int strayBytes = 0;         // bytes sent in front of a reply
    bool silent = false;        // never reply
    bool closeMidReply = false; // send half a reply, then close the connection
    int trickleMs = 0;          // send replies one byte every this many ms
    bool garbage = false;       // reply with bytes that never complete
    bool stopReading = false;   // read nothing the host sends
    bool oversize = false;      // make configuration replies longer than 4096 bytes
    std::string afterReply;     // bytes sent right after every reply
};

// The bytes of a reply after the content faults (stray bytes, garbage, oversize, bytes after
// the reply) are applied.
std::string shapeReply(const std::string& reply, const Faults& faults);

} // namespace tessaline::sim
