#include "app/settings_file.h"
#include "cli/commands.h"
#include "cli/run_reply.h"
#include "platform/print_spooler.h"
#include "transport/port_discovery.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tessaline::cli {

namespace {

constexpr const char* kNoKind = "-"; // a queue on a port of no kind the program opens

std::string kindWord(const QueueTable& table, const std::string& name) {
    const auto found = table.kinds.find(name);
    const std::string_view word = found == table.kinds.end()
                                      ? std::string_view()
                                      : PortTypeWord(static_cast<PortType>(found->second));
    return word.empty() ? kNoKind : std::string(word);
}

std::string portOf(const QueueTable& table, const std::string& name) {
    const auto found = table.ports.find(name);
    return found == table.ports.end() ? std::string() : found->second;
}

void printJson(const QueueTable& queues, const PortLists& ports) {
    auto list = nlohmann::ordered_json::array();
    for (const std::string& name : queues.names)
        list.push_back({{"name", name},
                        {"kind", kindWord(queues, name)},
                        {"port", portOf(queues, name)},
                        {"default", name == queues.defaultQueue}});
    runReply().addData({{"queues", std::move(list)},
                        {"serial", ports.serial},
                        {"parallel", ports.parallel},
                        {"usb", ports.usb}});
}

void printPlain(const QueueTable& queues, const PortLists& ports) {
    std::string out;
    for (const std::string& name : queues.names)
        out += "queue\t" + name + "\t" + kindWord(queues, name) + "\t" + portOf(queues, name) +
               (name == queues.defaultQueue ? "\tdefault" : "") + "\n";
    const std::pair<const char*, const std::vector<std::string>*> lists[] = {
        {"serial", &ports.serial}, {"parallel", &ports.parallel}, {"usb", &ports.usb}};
    for (const auto& [what, entries] : lists)
        for (const std::string& entry : *entries)
            out += std::string(what) + "\t" + entry + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

int runPorts(const CliOptions& options, std::span<const std::string> arguments) {
    if (!arguments.empty()) return usageError("ports takes no arguments");
    const DeviceDiscovery discovery;
    const QueueTable queues = ListPrinterQueues(PrintSpooler{}, discovery);
    const PortLists ports = FillPortLists(discovery);
    if (options.json) {
        printJson(queues, ports);
    } else {
        printPlain(queues, ports);
    }
    return 0;
}

} // namespace tessaline::cli
