// tessaline-sim: a label printer on TCP, a pseudo-terminal or a device, for tests and demos.
#include "platform/sim_endpoint.h"
#include "sim/sim_options.h"
#include "sim/sim_server.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace tessaline::sim;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(simUsage(), stdout);
        return 0;
    }
    std::string error;
    std::optional<SimOptions> options = parseSimOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "tessaline-sim: %s\n%s", error.c_str(), simUsage());
        return 2;
    }

    Endpoint endpoint;
    bool ok = false;
    switch (options->listen) {
    case Listen::Tcp:
        ok = listenTcp(options->host, options->port, options->faults.stopReading, endpoint, error);
        break;
    case Listen::Pty:
        ok = openPseudoTerminal(options->path, endpoint, error);
        break;
    case Listen::Device:
        ok = openExistingDevice(options->path, endpoint, error);
        break;
    }
    if (!ok) {
        std::fprintf(stderr, "tessaline-sim: %s\n", error.c_str());
        return 1;
    }

    const StopSignals stop;
    if (!stop.ok()) return 1;

    SimPrinter printer(options->modelIndex);
    if (!options->serialNumber.empty()) printer.serialNumber = options->serialNumber;
    printer.status = options->status;
    printer.calibrationFails = options->failCalibration;

    std::printf("%s\n", endpoint.address.c_str());
    std::fflush(stdout);

    SimServer server(printer, options->faults, options->recordFile);
    const int status = server.run(endpoint, kStandardInput, stop.readEnd());
    removeLink(endpoint);
    return status;
}
