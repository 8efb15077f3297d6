#include "transport/queue_port.h"

#include "transport/channel_selection.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <span>
#include <sstream>

namespace tessaline {
namespace {

struct WordEntry {
    const char* option; // the URI's option value, lower case
    const char* word;   // the description's word
};

constexpr WordEntry kParityWords[] = {
    {"none", "None"}, {"odd", "Odd"}, {"even", "Even"}, {"mark", "Mark"}, {"space", "Space"},
};

constexpr WordEntry kFlowWords[] = {
    {"dtrdsr", "Hardware"},   {"rtscts", "Hardware"}, {"hard", "Hardware"},
    {"hardware", "Hardware"}, {"soft", "Xon/Xoff"},   {"xonxoff", "Xon/Xoff"},
};

constexpr WordEntry kStopWords[] = {{"1", "1"}, {"1.5", "1.5"}, {"2", "2"}};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string lookUp(std::span<const WordEntry> table, const std::string& option,
                   const char* fallback) {
    for (const WordEntry& entry : table)
        if (lower(option) == entry.option) return entry.word;
    return fallback;
}

std::string percentDecoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() &&
            std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Splits "a=1+b=2" (also "&"-separated) into name/value pairs.
std::vector<std::pair<std::string, std::string>> uriOptions(const std::string& query) {
    std::vector<std::pair<std::string, std::string>> options;
    std::string item;
    std::istringstream in(query);
    while (std::getline(in, item, '+')) {
        std::istringstream sub(item);
        std::string part;
        while (std::getline(sub, part, '&')) {
            auto eq = part.find('=');
            if (eq == std::string::npos) continue;
            options.emplace_back(lower(part.substr(0, eq)), part.substr(eq + 1));
        }
    }
    return options;
}

QueuePort describeSerial(const std::string& rest) {
    auto question = rest.find('?');
    std::string path = percentDecoded(rest.substr(0, question));
    if (question == std::string::npos) return {InterfaceKind::Serial, path};
    std::string baud = "9600", bits = "8", stop = "1", parity = "None", flow = "None";
    for (const auto& [name, value] : uriOptions(rest.substr(question + 1))) {
        if (name == "baud")
            baud = value;
        else if (name == "bits")
            bits = value;
        else if (name == "stop")
            stop = lookUp(kStopWords, value, "1");
        else if (name == "parity")
            parity = lookUp(kParityWords, value, "None");
        else if (name == "flow")
            flow = lookUp(kFlowWords, value, "None");
    }
    return {InterfaceKind::Serial,
            path + ", " + baud + ", " + bits + ", " + stop + ", " + parity + ", " + flow};
}

// usb://MAKER/MODEL?serial=SN names the printer; the port whose IEEE 1284 id carries the same
// maker and model (and serial number, when both give one) is the port behind the queue.
QueuePort describeUsb(const std::string& uri, const std::vector<UsbPrintPort>& usbPorts) {
    std::string rest = uri.substr(std::string("usb://").size());
    auto question = rest.find('?');
    std::string serial;
    if (question != std::string::npos) {
        for (const auto& [name, value] : uriOptions(rest.substr(question + 1)))
            if (name == "serial") serial = percentDecoded(value);
        rest = rest.substr(0, question);
    }
    auto slash = rest.find('/');
    std::string maker = lower(percentDecoded(rest.substr(0, slash)));
    std::string model =
        slash == std::string::npos ? std::string() : lower(percentDecoded(rest.substr(slash + 1)));
    for (const UsbPrintPort& port : usbPorts) {
        std::string portMaker = lower(deviceIdField(port.deviceId, {"MFG", "MANUFACTURER"}));
        std::string portModel = lower(deviceIdField(port.deviceId, {"MDL", "MODEL"}));
        std::string portSerial = deviceIdField(port.deviceId, {"SN", "SERN", "SERIALNUMBER"});
        if (portModel.empty() || portMaker != maker || portModel != model) continue;
        if (!serial.empty() && !portSerial.empty() && serial != portSerial) continue;
        return {InterfaceKind::Usb, usbPortName(port.portNumber)};
    }
    return {InterfaceKind::Usb, uri};
}

QueuePort describeSocket(const std::string& uri) {
    std::string authority = uri.substr(std::string("socket://").size());
    authority = authority.substr(0, authority.find_first_of("/?"));
    std::string host = authority, port = std::to_string(kDefaultTcpPort);
    if (!authority.empty() && authority.front() == '[') {
        auto close = authority.find(']');
        host = authority.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos && close + 1 < authority.size() &&
            authority[close + 1] == ':')
            port = authority.substr(close + 2);
    } else if (auto colon = authority.rfind(':'); colon != std::string::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    bool digits = !port.empty() && std::all_of(port.begin(), port.end(),
                                               [](unsigned char c) { return std::isdigit(c); });
    if (host.empty() || !digits) return {InterfaceKind::None, uri};
    return {InterfaceKind::Network, percentDecoded(host) + ", " + port};
}

} // namespace

std::string usbPortName(uint32_t portNumber) {
    char name[16];
    std::snprintf(name, sizeof name, "USB%03u", portNumber);
    return name;
}

std::string queueDevicePath(const std::string& deviceUri) {
    for (const char* scheme : {"serial:", "parallel:"})
        if (startsWith(deviceUri, scheme)) {
            std::string rest = deviceUri.substr(std::string(scheme).size());
            return percentDecoded(rest.substr(0, rest.find('?')));
        }
    return {};
}

QueuePort classifyQueuePort(const std::string& deviceUri,
                            const std::vector<UsbPrintPort>& usbPorts) {
    if (startsWith(deviceUri, "serial:")) return describeSerial(deviceUri.substr(7));
    if (startsWith(deviceUri, "parallel:"))
        return {InterfaceKind::Parallel, percentDecoded(deviceUri.substr(9))};
    if (startsWith(deviceUri, "usb://")) return describeUsb(deviceUri, usbPorts);
    if (startsWith(deviceUri, "socket://")) return describeSocket(deviceUri);
    return {InterfaceKind::None, deviceUri};
}

} // namespace tessaline
