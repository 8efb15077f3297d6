#pragma once

#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "transport/port_channel.h"
#include "transport/request_catalogue.h"
#include "transport/result_codes.h"
#include "transport/selected_interface.h"

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline {

// The channel's waits, shortened twenty-fold so that the tests run quickly.
inline ChannelTimings fastTimings() {
    return ChannelTimings{}.scaled(0.05);
}

// A channel set-up with those waits that leaves the print queues alone.
inline ChannelSetup fastSetup(DeviceDiscovery discovery = {}) {
    ChannelSetup setup;
    setup.timings = fastTimings();
    setup.discovery = std::move(discovery);
    setup.handOverQueues = false;
    return setup;
}

// The outcome of one request and its reply.
struct Exchange {
    bool opened = false;
    uint32_t writeResult = 0;
    uint32_t readResult = 0;
    uint32_t count = 0;
    std::string reply;
};

inline bool usesSocket(const ChannelSelection& s) {
    return s.kind == InterfaceKind::Network;
}

// Opens the selection, sends `bytes`, reads one reply of `completionType` and closes.
inline Exchange exchange(CPortChannel& channel, const ChannelSelection& selection,
                         const std::string& bytes, int completionType,
                         OpenPurpose purpose = OpenPurpose::Receive) {
    Exchange e;
    e.opened = OpenSelectedInterface(channel, selection, purpose);
    if (e.opened) {
        uint32_t done = 0;
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        auto size = static_cast<uint32_t>(bytes.size());
        e.writeResult = usesSocket(selection) ? channel.SendSocket(size, data, &done)
                                              : channel.WritePort(data, size, &done);
        std::vector<uint8_t> buffer(kExchangeBufferSize, 0);
        e.readResult = usesSocket(selection)
                           ? channel.ReceiveSocket(buffer, &e.count, completionType)
                           : channel.ReadPort(buffer, &e.count, completionType);
        if (e.count <= buffer.size()) e.reply.assign(buffer.begin(), buffer.begin() + e.count);
    }
    CloseSelectedInterface(channel, selection);
    return e;
}

inline std::string request(RequestKind kind, EmulationKind emulation = EmulationKind::Native) {
    std::string text;
    BuildRequest(text, static_cast<int>(kind), static_cast<int>(emulation));
    return FrameForPrinter(static_cast<int>(kind), text);
}

inline ChannelSelection networkSelection(const SimProcess& sim) {
    ChannelSelection s;
    s.kind = InterfaceKind::Network;
    s.portName = "127.0.0.1";
    s.portNumber = std::to_string(sim.port());
    return s;
}

inline ChannelSelection deviceSelection(InterfaceKind kind, const std::string& name) {
    ChannelSelection s;
    s.kind = kind;
    s.portName = name;
    s.line.flowControl = "N";
    return s;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline int openDescriptorCount() {
    int count = 0;
    DIR* dir = ::opendir("/proc/self/fd");
    while (dirent* entry = ::readdir(dir))
        if (entry->d_name[0] != '.') ++count;
    ::closedir(dir);
    return count;
}

} // namespace tessaline
