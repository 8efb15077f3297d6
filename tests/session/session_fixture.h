#pragma once

// What the session tests share: a simulated network printer that records what it receives, a
// session with shortened waits, and the bytes the printer expects on the wire.

#include "session/printer_session.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline::session_test {

// The command prefix in front of every request but the status query, written out here so that
// the tests catch a change of the framing.
inline const std::string kPrefix("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17);

inline std::string framed(std::string_view text) {
    return kPrefix + std::string(text);
}

// A session with the channel's waits cut to a fifth, leaving the print queues alone.
inline SessionSetup fastSetup(IoRunner* io = nullptr) {
    SessionSetup setup;
    setup.channel.timings = ChannelTimings{}.scaled(0.2);
    setup.channel.handOverQueues = false;
    setup.io = io;
    return setup;
}

inline ChannelSelection loopback(int port) {
    ChannelSelection selection;
    selection.kind = InterfaceKind::Network;
    selection.portName = "127.0.0.1";
    selection.portNumber = std::to_string(port);
    return selection;
}

// A simulated printer on a free loopback port that records every byte it receives.
class RecordedPrinter {
public:
    explicit RecordedPrinter(std::vector<std::string> switches = {})
        : sim_(withRecord(std::move(switches), tree_.path("record"))) {}

    bool running() const { return sim_.running(); }
    ChannelSelection selection() const { return loopback(sim_.port()); }

    // Ends the simulator, which first takes in whatever was sent to it, and returns the bytes of
    // each connection in order.
    std::vector<std::string> received() {
        sim_.stop();
        std::ifstream in(tree_.path("record"), std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return splitConnections(content.str());
    }

private:
    static std::vector<std::string> withRecord(std::vector<std::string> switches,
                                               const std::string& record) {
        switches.insert(switches.end(), {"--tcp", "127.0.0.1:0", "--record", record});
        return switches;
    }
    // The record marks the start of each connection with a line of its own.
    static std::vector<std::string> splitConnections(const std::string& record) {
        auto marker = [](size_t n) { return "\n=== connection " + std::to_string(n) + " ===\n"; };
        std::vector<std::string> connections;
        size_t at = record.find(marker(1));
        while (at != std::string::npos) {
            const size_t start = at + marker(connections.size() + 1).size();
            at = record.find(marker(connections.size() + 2), start);
            connections.push_back(record.substr(start, at == std::string::npos ? at : at - start));
        }
        return connections;
    }

    TempTree tree_;
    SimProcess sim_;
};

} // namespace tessaline::session_test
