#include "cli/interface_option.h"

#include "transport/queue_port.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace tessaline::cli {

namespace {

constexpr uint32_t kHighestTcpPort = 65535;
constexpr size_t kMaxPortDigits = 5;
constexpr uint32_t kHighestBaudRate = 4000000;
constexpr int kFewestDataBits = 5;
constexpr int kMostDataBits = 8;
constexpr std::string_view kUsbPrefix = "USB";
constexpr size_t kUsbDigits = 3;

struct Word {
    std::string_view word;
    uint8_t code;
};
constexpr Word kStopBits[] = {{"1", 0}, {"1.5", 1}, {"2", 2}};
constexpr Word kParities[] = {{"N", 0}, {"O", 1}, {"E", 2}, {"M", 3}, {"S", 4}};
constexpr std::string_view kFlowLetters[] = {"X", "H", "N"};

// The code of `text` in a word table; nothing when the table lacks it.
template <size_t N> std::optional<uint8_t> codeOf(const Word (&words)[N], std::string_view text) {
    for (const Word& w : words)
        if (w.word == text) return w.code;
    return std::nullopt;
}

std::optional<uint32_t> number(std::string_view text, size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string_view> splitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return parts;
        text.remove_prefix(comma + 1);
    }
}

bool applyTcp(const std::string& value, InterfaceSettings& settings, std::string& error) {
    const auto colon = value.rfind(':');
    const std::string host = value.substr(0, colon);
    if (host.empty()) {
        error = "--tcp needs a host: HOST[:PORT]";
        return false;
    }
    settings.portNumber.clear(); // the default port
    if (colon != std::string::npos) {
        const std::string port = value.substr(colon + 1);
        const auto n = number(port, kMaxPortDigits);
        if (!n || *n == 0 || *n > kHighestTcpPort) {
            error = "--tcp: the port must be a number from 1 to 65535";
            return false;
        }
        settings.portNumber = port;
    }
    settings.portType = PortType::Network;
    settings.portName = host;
    return true;
}

bool applySerial(const std::string& value, InterfaceSettings& settings, std::string& error) {
    const auto parts = splitAtCommas(value);
    if (parts[0].empty() || parts.size() > 6) {
        error =
            "--serial needs DEVICE[,BAUD,DATA,STOP,PARITY,FLOW], e.g. /dev/ttyUSB0,9600,8,1,N,X";
        return false;
    }
    InterfaceSettings s = settings;
    const auto piece = [&](size_t k) { return k < parts.size() ? parts[k] : std::string_view(); };
    if (!piece(1).empty()) {
        const auto baud = number(piece(1), 7);
        if (!baud || *baud == 0 || *baud > kHighestBaudRate) {
            error = "--serial: the baud rate must be a number such as 9600";
            return false;
        }
        s.baudRate = static_cast<int32_t>(*baud);
    }
    if (!piece(2).empty()) {
        const auto bits = number(piece(2), 1);
        if (!bits || *bits < kFewestDataBits || *bits > kMostDataBits) {
            error = "--serial: data bits must be 5 to 8";
            return false;
        }
        s.dataBits = static_cast<uint8_t>(*bits);
    }
    if (!piece(3).empty()) {
        const auto stop = codeOf(kStopBits, piece(3));
        if (!stop) {
            error = "--serial: stop bits must be 1, 1.5 or 2";
            return false;
        }
        s.stopBits = static_cast<StopBitsCode>(*stop);
    }
    if (!piece(4).empty()) {
        const auto parity = codeOf(kParities, upper(piece(4)));
        if (!parity) {
            error = "--serial: parity must be N, O, E, M or S";
            return false;
        }
        s.parity = static_cast<ParityCode>(*parity);
    }
    if (!piece(5).empty()) {
        const std::string flow = upper(piece(5));
        if (std::find(std::begin(kFlowLetters), std::end(kFlowLetters), flow) ==
            std::end(kFlowLetters)) {
            error = "--serial: flow control must be X (Xon/Xoff), H (hardware) or N (none)";
            return false;
        }
        s.flowControl = flow;
    }
    s.portType = PortType::Serial;
    s.portName = std::string(parts[0]);
    settings = s;
    return true;
}

bool validUsbName(const std::string& name) {
    if (name == kUsbAutoPort) return true;
    return name.size() == kUsbPrefix.size() + kUsbDigits && name.starts_with(kUsbPrefix) &&
           number(std::string_view(name).substr(kUsbPrefix.size()), kUsbDigits).has_value();
}

} // namespace

bool applyInterfaceOption(InterfaceChoice choice, const std::string& value,
                          InterfaceSettings& settings, std::string& error) {
    switch (choice) {
    case InterfaceChoice::Saved:
        return true;
    case InterfaceChoice::Tcp:
        return applyTcp(value, settings, error);
    case InterfaceChoice::Serial:
        return applySerial(value, settings, error);
    case InterfaceChoice::Parallel:
        if (value.empty()) {
            error = "--parallel needs a DEVICE";
            return false;
        }
        settings.portType = PortType::Parallel;
        settings.portName = value;
        return true;
    case InterfaceChoice::Usb:
        if (!validUsbName(value)) {
            error = "--usb takes a port name such as USB001, or USB_AUTO";
            return false;
        }
        settings.portType = PortType::Usb;
        settings.portName = value;
        return true;
    case InterfaceChoice::Queue:
        if (value.empty()) {
            error = "--queue needs the NAME of a print queue";
            return false;
        }
        settings.portType = PortType::Printer;
        settings.portName = value;
        return true;
    }
    return false;
}

} // namespace tessaline::cli
