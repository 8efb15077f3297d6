#include "platform/device_discovery.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace tessaline {
namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string readTextFile(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

bool isCharacterDevice(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

std::vector<std::string> entryNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

// A legacy UART port is listed only when the driver found a UART behind it (type not 0).
bool isRealSerialDevice(const fs::path& ttyFolder, const std::string& name) {
    if (startsWith(name, "ttyS")) {
        std::string type = readTextFile(ttyFolder / "type");
        return !type.empty() && type != "0";
    }
    if (startsWith(name, "ttyUSB") || startsWith(name, "ttyACM")) {
        std::error_code ec;
        return fs::exists(ttyFolder / "device", ec);
    }
    return false;
}

// "MFG:Maker;MDL:Model;..." gives "Maker Model"; an id without a model is shown as it is.
std::string describeDeviceId(const std::string& id) {
    std::string maker = deviceIdField(id, {"MFG", "MANUFACTURER"});
    std::string model = deviceIdField(id, {"MDL", "MODEL"});
    if (model.empty()) return id;
    return maker.empty() ? model : maker + " " + model;
}

} // namespace

std::string deviceIdField(const std::string& id, std::initializer_list<const char*> keys) {
    std::istringstream parts(id);
    std::string part;
    while (std::getline(parts, part, ';')) {
        auto colon = part.find(':');
        if (colon == std::string::npos) continue;
        std::string key = part.substr(0, colon);
        for (const char* wanted : keys)
            if (key == wanted) return part.substr(colon + 1);
    }
    return {};
}

DeviceDiscovery::DeviceDiscovery(std::string sysRoot, std::string devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

std::vector<std::string> DeviceDiscovery::serialPorts() const {
    fs::path ttyClass = fs::path(sysRoot_) / "class" / "tty";
    std::vector<std::string> ports;
    for (const std::string& name : entryNames(ttyClass))
        if (isRealSerialDevice(ttyClass / name, name)) ports.push_back(devRoot_ + "/" + name);
    std::sort(ports.begin(), ports.end());
    return ports;
}

std::vector<std::string> DeviceDiscovery::serialLinks() const {
    const std::string folder = devRoot_ + "/serial/by-id";
    std::vector<std::string> links;
    for (const std::string& name : entryNames(folder)) {
        const std::string path = folder + "/" + name;
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(path, error)) && fs::exists(path, error))
            links.push_back(path);
    }
    std::sort(links.begin(), links.end());
    return links;
}

std::vector<std::string> DeviceDiscovery::parallelPorts() const {
    std::vector<std::string> ports;
    for (const std::string& name : entryNames(devRoot_)) {
        if (!startsWith(name, "lp") || !allDigits(name.substr(2))) continue;
        std::string path = devRoot_ + "/" + name;
        if (isCharacterDevice(path)) ports.push_back(path);
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

std::vector<UsbPrintPort> DeviceDiscovery::usbPrintPorts() const {
    fs::path usbmisc = fs::path(sysRoot_) / "class" / "usbmisc";
    std::vector<UsbPrintPort> ports;
    for (const std::string& name : entryNames(usbmisc)) {
        if (!startsWith(name, "lp") || !allDigits(name.substr(2)) || name.size() > 11) continue;
        UsbPrintPort port;
        port.instanceId = name;
        port.portNumber = static_cast<uint32_t>(std::stoul(name.substr(2))) + 1;
        port.devicePath = devRoot_ + "/usb/" + name;
        std::string id = readTextFile(usbmisc / name / "device" / "ieee1284_id");
        if (id.empty()) id = readTextFile(usbmisc / name / "ieee1284_id");
        port.deviceId = id;
        port.description = describeDeviceId(id);
        std::error_code ec;
        port.connected = fs::exists(port.devicePath, ec);
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const UsbPrintPort& a, const UsbPrintPort& b) {
        return a.portNumber < b.portNumber;
    });
    return ports;
}

} // namespace tessaline
