// A Receive exchange (open, configuration request, reply until its terminator, close) against
// the simulator, over loopback TCP and over a pseudo-terminal, with the program's own waits.
// "beyond_wait_ms" is the time an exchange takes beyond the waits the protocol mandates: the
// drain's readability wait after a TCP connect, and one poll pause of the serial read.

#include "../tests/support/sim_process.h"
#include "transport/exchange_sizes.h"
#include "transport/port_channel.h"
#include "transport/request_catalogue.h"
#include "transport/selected_interface.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using namespace tessaline;

std::string standardRequest() {
    std::string text;
    BuildRequest(text, RequestKind::StandardConfig, EmulationKind::Native);
    return FrameForPrinter(RequestKind::StandardConfig, text);
}

bool receiveOnce(CPortChannel& channel, const ChannelSelection& selection,
                 const std::string& bytes) {
    if (!OpenSelectedInterface(channel, selection, OpenPurpose::Receive)) return false;
    bool socket = selection.kind == InterfaceKind::Network;
    uint32_t done = 0, count = 0;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    auto size = static_cast<uint32_t>(bytes.size());
    ChannelResult result =
        socket ? channel.SendSocket(size, data, &done) : channel.WritePort(data, size, &done);
    std::vector<uint8_t> reply(kExchangeBufferSize, 0);
    if (result.ok())
        result = socket ? channel.ReceiveSocket(reply, &count, RequestKind::StandardConfig)
                        : channel.ReadPort(reply, &count, RequestKind::StandardConfig);
    CloseSelectedInterface(channel, selection);
    return result.ok() && count > 0;
}

void runExchanges(benchmark::State& state, const ChannelSelection& selection, Millis mandated) {
    ChannelSetup setup;
    setup.handOverQueues = false;
    CPortChannel channel(setup);
    const std::string bytes = standardRequest();
    double totalMs = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (!receiveOnce(channel, selection, bytes)) {
            state.SkipWithError("exchange failed");
            return;
        }
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    double mean = totalMs / static_cast<double>(state.iterations());
    state.counters["exchange_ms"] = mean;
    state.counters["beyond_wait_ms"] = mean - static_cast<double>(mandated.count());
}

void BM_ReceiveOverTcp(benchmark::State& state) {
    SimProcess sim({});
    if (!sim.running()) {
        state.SkipWithError("tessaline-sim did not start");
        return;
    }
    ChannelSelection selection;
    selection.kind = InterfaceKind::Network;
    selection.portName = "127.0.0.1";
    selection.portNumber = std::to_string(sim.port());
    runExchanges(state, selection, ChannelTimings{}.drainWait);
}

void BM_ReceiveOverSerial(benchmark::State& state) {
    std::string folder =
        (std::filesystem::temp_directory_path() / "tessaline-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) return;
    std::string link = folder + "/ttySIM";
    {
        SimProcess sim({"--pty", link});
        if (!sim.running()) {
            state.SkipWithError("tessaline-sim did not start");
        } else {
            ChannelSelection selection;
            selection.kind = InterfaceKind::Serial;
            selection.portName = link;
            selection.line.flowControl = "N";
            runExchanges(state, selection, ChannelTimings{}.serialPollPause);
        }
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_ReceiveOverTcp)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReceiveOverSerial)->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
