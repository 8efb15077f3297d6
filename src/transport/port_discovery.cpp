#include "transport/port_discovery.h"

#include "platform/port_naming.h"
#include "transport/queue_port.h"

#include <algorithm>
#include <cctype>

namespace tessaline {

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

QueueTable ListPrinterQueues(const PrintSpooler& spooler, const DeviceDiscovery& discovery) {
    QueueTable table;
    std::vector<PrintQueue> queues = spooler.listQueues();
    if (queues.empty()) return table;
    std::vector<UsbPrintPort> usbPorts = discovery.usbPrintPorts();
    for (const PrintQueue& queue : queues) {
        QueuePort port = classifyQueuePort(queue.deviceUri, usbPorts);
        table.names.push_back(queue.name);
        table.ports[queue.name] = port.description;
        table.kinds[queue.name] = static_cast<int>(port.kind);
    }
    std::stable_sort(table.names.begin(), table.names.end(), lessIgnoringCase);
    table.defaultQueue = spooler.defaultQueue();
    return table;
}

PortLists FillPortLists(const DeviceDiscovery& discovery) {
    PortLists lists;
    for (const std::string& path : discovery.serialPorts())
        lists.serial.push_back(serialListEntry(path));
    for (const std::string& link : discovery.serialLinks())
        lists.serial.push_back(serialListEntry(link));
    lists.parallel = discovery.parallelPorts();
    for (const UsbPrintPort& port : discovery.usbPrintPorts())
        lists.usb.push_back(usbPortName(port.portNumber));
    lists.usb.push_back(kUsbAutoPort);
    for (auto* list : {&lists.serial, &lists.parallel, &lists.usb})
        std::stable_sort(list->begin(), list->end(), lessIgnoringCase);
    return lists;
}

} // namespace tessaline
