#pragma once

#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "transport/exchange_sizes.h"
#include "transport/port_channel.h"
#include "transport/request_catalogue.h"
#include "transport/selected_interface.h"

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace tessaline {

inline void PrintTo(ChannelCode code, std::ostream* out) {
    *out << "ChannelCode " << static_cast<uint32_t>(code);
}
inline void PrintTo(const ChannelResult& result, std::ostream* out) {
    PrintTo(result.code, out);
    if (result.osError) *out << " (system error " << result.osError << ")";
}
inline void PrintTo(OpenFailureCause cause, std::ostream* out) {
    *out << "OpenFailureCause " << static_cast<int>(cause);
}

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
    ChannelResult writeResult;
    ChannelResult readResult;
    uint32_t count = 0;
    std::string reply;
};

inline bool usesSocket(const ChannelSelection& s) {
    return s.kind == InterfaceKind::Network;
}

// Opens the selection, sends `bytes`, reads one reply of `completionType` and closes.
inline Exchange exchange(CPortChannel& channel, const ChannelSelection& selection,
                         const std::string& bytes, RequestKind completion,
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
        e.readResult = usesSocket(selection) ? channel.ReceiveSocket(buffer, &e.count, completion)
                                             : channel.ReadPort(buffer, &e.count, completion);
        if (e.count <= buffer.size()) e.reply.assign(buffer.begin(), buffer.begin() + e.count);
    }
    CloseSelectedInterface(channel, selection);
    return e;
}

inline std::string request(RequestKind kind, EmulationKind emulation = EmulationKind::Native) {
    std::string text;
    BuildRequest(text, kind, emulation);
    return FrameForPrinter(kind, text);
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

// A temporary /dev and sysfs tree; the simulator's pseudo-terminal stands in for the device
// node named `node` (a serial port, /dev/lp0, or /dev/usb/lp0 with its usblp entry).
class DeviceTree {
public:
    DeviceTree() {
        tree.folder("dev/usb");
        tree.write("sys/class/usbmisc/lp0/device/ieee1284_id", "MFG:Example;MDL:RV-940;");
    }
    std::unique_ptr<SimProcess> start(const std::string& node, std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--pty", tree.path(node)});
        auto sim = std::make_unique<SimProcess>(args);
        EXPECT_TRUE(sim->running());
        return sim;
    }
    DeviceDiscovery discovery() const { return {tree.path("sys"), tree.path("dev")}; }
    std::string path(const std::string& relative) const { return tree.path(relative); }

    TempTree tree;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A loopback TCP port on which nobody listens.
inline uint16_t closedLoopbackPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
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
