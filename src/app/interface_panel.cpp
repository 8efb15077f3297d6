#include "app/interface_panel.h"

#include "app/tab_states.h"
#include "platform/port_naming.h"
#include "transport/ipv4_address.h"

#include <algorithm>
#include <cctype>

namespace tessaline {

namespace {

constexpr std::string_view kListSeparator = ", ";
// A queue whose name starts so is the preferred one when the saved name names no queue.
constexpr std::string_view kPreferredQueuePrefix = "Kaldora";
// Serial ports of this kind keep their whole name as the device name.
constexpr std::string_view kNamedSerialPrefix = "KALDORA COM";

struct WordCode {
    std::string_view word;
    uint8_t code;
};
constexpr WordCode kStopWords[] = {{"1", 0}, {"1.5", 1}, {"2", 2}};
constexpr WordCode kParityWords[] = {
    {"None", 0}, {"Odd", 1}, {"Even", 2}, {"Mark", 3}, {"Space", 4}};
struct FlowWord {
    std::string_view word;
    const char* letter;
};
constexpr FlowWord kFlowWords[] = {{"Hardware", "H"}, {"Xon/Xoff", "X"}, {"None", "N"}};

// The text before and after the first ", "; `after` is empty when there is none.
std::pair<std::string, std::string> splitAtSeparator(std::string_view text) {
    const auto at = text.find(kListSeparator);
    if (at == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, at)), std::string(text.substr(at + kListSeparator.size()))};
}

std::vector<std::string_view> splitAll(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(kListSeparator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + kListSeparator.size());
    }
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Selects the port a queue prints to. When the list does not hold it, nothing stays selected,
// so that the exchange fails to open rather than going to another device.
template <typename Match> void selectPortOrNone(ChoiceList& list, Match match) {
    if (!list.selectFirst(match)) list.selected = -1;
}

// The device a queue on a serial port prints to, from its description.
std::string serialDeviceOf(const std::string& beforeSeparator) {
    if (beforeSeparator.starts_with(kNamedSerialPrefix)) return beforeSeparator;
    return serialListEntry(beforeSeparator);
}

// A list of `entries` with its first one selected.
ChoiceList firstOf(const std::vector<std::string>& entries) {
    return ChoiceList{entries, entries.empty() ? -1 : 0};
}

} // namespace

void ApplySerialDescription(std::string_view settings, InterfaceSettings& current) {
    const auto parts = splitAll(settings);
    if (parts.size() != 5) return;
    if (allDigits(parts[0]) && !parts[0].empty() && parts[0].size() < 10)
        current.baudRate = std::stoi(std::string(parts[0]));
    if (allDigits(parts[1]) && !parts[1].empty() && parts[1].size() < 4)
        current.dataBits = static_cast<uint8_t>(std::stoi(std::string(parts[1])));
    for (const auto& stop : kStopWords) {
        if (parts[2] == stop.word) current.stopBits = static_cast<StopBitsCode>(stop.code);
    }
    for (const auto& parity : kParityWords) {
        if (parts[3] == parity.word) current.parity = static_cast<ParityCode>(parity.code);
    }
    for (const auto& flow : kFlowWords) {
        if (parts[4] == flow.word) current.flowControl = flow.letter;
    }
}

std::string ChoiceList::text() const {
    return selected >= 0 && selected < static_cast<int>(entries.size())
               ? entries[static_cast<size_t>(selected)]
               : std::string();
}

void InterfacePanel::select(ChoiceList& list, int index) {
    if (index >= 0 && index < static_cast<int>(list.entries.size())) list.selected = index;
}

void InterfacePanel::refill(ChoiceList& list, const PortChoice& choice) {
    const std::string selected = list.text();
    std::vector<std::string> entries = choice.discovered;
    if (!choice.ownPath.empty() &&
        std::find(entries.begin(), entries.end(), choice.ownPath) == entries.end()) {
        entries.push_back(choice.ownPath);
        std::stable_sort(entries.begin(), entries.end(), lessIgnoringCase);
    }
    list = firstOf(entries);
    if (!selected.empty()) list.selectFirst([&](const std::string& p) { return p == selected; });
}

void InterfacePanel::usePath(ChoiceList& list, PortChoice& choice, std::string_view path) {
    const auto first = path.find_first_not_of(" \t");
    if (first == std::string_view::npos) return;
    path = path.substr(first, path.find_last_not_of(" \t") + 1 - first);
    const std::string wanted(path);
    if (std::find(choice.discovered.begin(), choice.discovered.end(), wanted) ==
        choice.discovered.end())
        choice.ownPath = wanted;
    refill(list, choice);
    list.selectFirst([&](const std::string& p) { return p == wanted; });
}

void InterfacePanel::keepSavedPath(ChoiceList& list, PortChoice& choice, const std::string& name) {
    // A saved device that discovery does not find (a by-id link of an unplugged adapter, a
    // pseudo-terminal) is kept and used rather than replaced by another port. A saved name that
    // is no device path (one from another system, "COM1") selects the first port as before.
    if (name.starts_with('/'))
        usePath(list, choice, name);
    else
        list.selectFirst([&](const std::string& p) { return p == name; });
}

void InterfacePanel::fill(QueueTable queues, const PortLists& ports) {
    fillQueues(std::move(queues));
    serialChoice_.discovered = ports.serial;
    parallelChoice_.discovered = ports.parallel;
    refill(serial_, serialChoice_);
    refill(parallel_, parallelChoice_);
    usb_ = firstOf(ports.usb);
}

void InterfacePanel::typeSerial(std::string_view path) {
    usePath(serial_, serialChoice_, path);
    if (!serial_.entries.empty()) serialTooltip_ = serial_.text();
}

void InterfacePanel::typeParallel(std::string_view path) {
    usePath(parallel_, parallelChoice_, path);
}

void InterfacePanel::fillQueues(QueueTable queues) {
    table_ = std::move(queues);
    queueList_ = firstOf(table_.names);
    queueDescription_.clear();
    if (queueList_.selected >= 0) queueDescription_ = queuePortDescription(queueList_.text());
}

void InterfacePanel::fillLateQueues(QueueTable queues, InterfaceSettings& current,
                                    DriverPort& driver) {
    fillQueues(std::move(queues));
    if (group_ != DriverName) return;
    if (savedQueue_ && selectSavedQueue(*savedQueue_))
        queueDescription_ = queuePortDescription(queueList_.text());
    applyInterfaceSelection(current, driver);
}

bool InterfacePanel::selectSavedQueue(const std::string& name) {
    return queueList_.selectFirst([&](const std::string& q) { return q == name; }) ||
           queueList_.selectFirst(
               [](const std::string& q) { return q.starts_with(kPreferredQueuePrefix); }) ||
           (!table_.defaultQueue.empty() &&
            queueList_.selectFirst([&](const std::string& q) { return q == table_.defaultQueue; }));
}

PortType InterfacePanel::queueKind(const std::string& name) const {
    const auto found = table_.kinds.find(name);
    return found == table_.kinds.end() ? PortType::None : static_cast<PortType>(found->second);
}

std::string InterfacePanel::queuePortDescription(const std::string& name) const {
    const auto found = table_.ports.find(name);
    return found == table_.ports.end() ? std::string() : found->second;
}

void InterfacePanel::applySavedSettings(InterfaceSettings& current, DriverPort& driver,
                                        const HostResolver& resolve) {
    const std::string name = current.portName;
    switch (current.portType) {
    case PortType::None:
    case PortType::Printer: {
        group_ = DriverName;
        savedQueue_ = name;
        if (selectSavedQueue(name)) {
            queueDescription_ = queuePortDescription(queueList_.text());
            driver.kind = queueKind(queueList_.text());
            current.portName = queueList_.text();
            queueTooltip_ = queueList_.text();
        }
        break;
    }
    case PortType::Serial:
        group_ = SerialPort;
        keepSavedPath(serial_, serialChoice_, name);
        if (!serial_.entries.empty()) serialTooltip_ = serial_.text();
        break;
    case PortType::Parallel:
        group_ = ParallelPort;
        keepSavedPath(parallel_, parallelChoice_, name);
        break;
    case PortType::Usb:
        group_ = UsbPort;
        usb_.selectFirst([&](const std::string& p) { return p == name; });
        break;
    case PortType::Network: {
        group_ = IpAddress;
        std::optional<std::string> address;
        if (isDottedAddress(name)) {
            address = name;
        } else if (!name.empty() && resolve) {
            address = resolve(name);
        }
        if (address) {
            address_ = *address;
            current.portName = *address;
        } else {
            address_ = std::string(kDefaultPrinterAddress);
            current.portName = address_;
        }
        if (!current.portNumber.empty()) {
            tcpPort_ = current.portNumber;
        } else {
            current.portNumber = std::string(kDefaultPortNumber);
        }
        break;
    }
    }
    applyInterfaceSelection(current, driver);
}

void InterfacePanel::applyInterfaceSelection(InterfaceSettings& current, DriverPort& driver) {
    usbInUse_.clear();
    switch (group_) {
    case DriverName: {
        current.portType = PortType::Printer;
        current.portName = queueList_.text();
        driver.kind = queueKind(current.portName);
        if (driver.kind == PortType::Serial)
            ApplySerialDescription(splitAtSeparator(queuePortDescription(current.portName)).second,
                                   current);
        queueTooltip_ = current.portName;
        break;
    }
    case SerialPort:
        current.portType = PortType::Serial;
        current.portName = serial_.text();
        serialTooltip_ = current.portName;
        break;
    case ParallelPort:
        current.portType = PortType::Parallel;
        current.portName = parallel_.text();
        break;
    case UsbPort:
        current.portType = PortType::Usb;
        current.portName = usb_.text();
        break;
    case IpAddress:
        current.portType = PortType::Network;
        current.portName = address_;
        current.portNumber = tcpPort_;
        break;
    }
}

void InterfacePanel::chooseGroup(Group group, InterfaceSettings& current, DriverPort& driver) {
    group_ = group;
    applyInterfaceSelection(current, driver);
}

void InterfacePanel::readInterfaceControls(InterfaceSettings& current, DriverPort& driver) const {
    switch (current.portType) {
    case PortType::Printer: {
        current.portName = queueList_.text();
        driver.kind = queueKind(current.portName);
        const auto [before, after] = splitAtSeparator(queueDescription_);
        if (driver.kind == PortType::Serial) {
            driver.address = serialDeviceOf(before);
            ApplySerialDescription(after, current);
        } else if (driver.kind == PortType::Network) {
            const auto parts = splitAll(queueDescription_);
            if (parts.size() == 2) {
                driver.address = std::string(parts[0]);
                driver.number = std::string(parts[1]);
            }
        } else {
            driver.address = queueDescription_;
        }
        break;
    }
    case PortType::Serial:
        current.portName = serial_.text();
        break;
    case PortType::Parallel:
        current.portName = parallel_.text();
        break;
    case PortType::Usb:
        current.portName = usb_.text();
        break;
    case PortType::Network:
        current.portName = address_;
        current.portNumber = tcpPort_;
        break;
    case PortType::None:
        break;
    }
}

bool InterfacePanel::useDriverPort(InterfaceSettings& current, DriverPort& driver) {
    const PortType kind = queueKind(queueList_.text());
    const std::string description = queueDescription_;
    const auto [before, after] = splitAtSeparator(description);
    switch (kind) {
    case PortType::Serial: {
        group_ = SerialPort;
        const std::string port = serialDeviceOf(before);
        ApplySerialDescription(after, current);
        selectPortOrNone(serial_,
                         [&](const std::string& p) { return startsWithIgnoringCase(p, port); });
        break;
    }
    case PortType::Network: {
        group_ = IpAddress;
        const auto parts = splitAll(description);
        address_ = std::string(parts[0]);
        if (parts.size() > 1) tcpPort_ = std::string(parts[1]).substr(0, kMaxTcpPortLength);
        break;
    }
    case PortType::Parallel:
        group_ = ParallelPort;
        selectPortOrNone(parallel_,
                         [&](const std::string& p) { return p.starts_with(description); });
        break;
    case PortType::Usb:
        group_ = UsbPort;
        selectPortOrNone(usb_, [&](const std::string& p) { return p.starts_with(description); });
        break;
    default:
        return false;
    }
    applyInterfaceSelection(current, driver);
    return true;
}

void InterfacePanel::restoreDriverSelection(InterfaceSettings& current, DriverPort& driver) {
    chooseGroup(DriverName, current, driver);
}

ChannelSelection InterfacePanel::channelSelection(const InterfaceSettings& current,
                                                  const DriverPort& driver) {
    ChannelSelection selection;
    selection.kind = current.portType;
    selection.portName = current.portName;
    selection.line.baudRate = static_cast<uint32_t>(current.baudRate);
    selection.line.dataBits = current.dataBits;
    selection.line.stopBitsCode = static_cast<uint8_t>(current.stopBits);
    selection.line.parityCode = static_cast<uint8_t>(current.parity);
    selection.line.flowControl = current.flowControl;
    selection.portNumber = current.portNumber;
    selection.driverPortKind = driver.kind;
    return selection;
}

void InterfacePanel::selectQueue(int index) {
    select(queueList_, index);
    if (queueList_.entries.empty()) return;
    queueDescription_ = queuePortDescription(queueList_.text());
    queueTooltip_ = queueList_.text();
}

void InterfacePanel::selectSerial(int index) {
    select(serial_, index);
    if (!serial_.entries.empty()) serialTooltip_ = serial_.text();
}

void InterfacePanel::selectUsb(int index) {
    select(usb_, index);
    usbInUse_.clear();
}

void InterfacePanel::typeTcpPort(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9' && digits.size() < kMaxTcpPortLength) digits += c;
    }
    tcpPort_ = digits;
}

void InterfacePanel::usbNotification(std::string_view notification) {
    if (const auto port = ParseUsbNotification(notification))
        usbInUse_ = port->substr(0, kMaxUsbInUseLength);
}

} // namespace tessaline
