#include "cli/printer_choice.h"

#include "app/interface_panel.h"
#include "platform/device_discovery.h"
#include "platform/host_lookup.h"
#include "transport/port_discovery.h"

#include <algorithm>

namespace tessaline::cli {

namespace {

// The port list an interface option names a port of; null for the others.
std::vector<std::string>* listOf(InterfaceChoice option, PortLists& ports) {
    switch (option) {
    case InterfaceChoice::Serial:
        return &ports.serial;
    case InterfaceChoice::Parallel:
        return &ports.parallel;
    case InterfaceChoice::Usb:
        return &ports.usb;
    default:
        return nullptr;
    }
}

bool throughQueue(PortType type) {
    return type == PortType::Printer || type == PortType::None;
}

} // namespace

std::optional<PrinterChoice> ChoosePrinter(InterfaceChoice option, InterfaceSettings settings,
                                           const PrintSpooler& spooler) {
    const DeviceDiscovery discovery;
    const std::string named = settings.portName;
    PortLists ports = FillPortLists(discovery);
    if (std::vector<std::string>* list = listOf(option, ports);
        list && std::find(list->begin(), list->end(), named) == list->end())
        list->push_back(named);
    InterfacePanel panel;
    DriverPort driver;
    // Only a queue needs the spooler's list.
    panel.fill(throughQueue(settings.portType) ? ListPrinterQueues(spooler, discovery)
                                               : QueueTable{},
               ports);
    panel.applySavedSettings(settings, driver, ResolveHostIpv4);
    if (option == InterfaceChoice::Queue && panel.queues().text() != named) return std::nullopt;

    PrinterChoice choice;
    panel.readInterfaceControls(settings, driver);
    choice.printer = InterfacePanel::channelSelection(settings, driver);
    if (panel.group() == InterfacePanel::DriverName) {
        // A queue whose port the program cannot open stays selected, and the session refuses it.
        panel.useDriverPort(settings, driver);
        panel.readInterfaceControls(settings, driver);
        choice.portBehindQueue = InterfacePanel::channelSelection(settings, driver);
    }
    return choice;
}

} // namespace tessaline::cli
