#include "platform/linux/spooler_server.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <strings.h>

namespace tessaline {
namespace {

constexpr const char* kLocalSocket = "/run/cups/cups.sock";
constexpr const char* kSystemFolder = "/etc/cups";

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The last ServerName in the client configuration at `path`, empty when there is none.
std::string serverNameIn(const std::string& path) {
    std::ifstream file(path);
    std::string line, found;
    while (std::getline(file, line)) {
        std::string_view text = trimmed(std::string_view(line).substr(0, line.find('#')));
        const size_t gap = text.find_first_of(" \t");
        if (gap == std::string_view::npos) continue;
        const std::string_view directive = "ServerName";
        if (gap == directive.size() && ::strncasecmp(text.data(), directive.data(), gap) == 0)
            found = trimmed(text.substr(gap));
    }
    return found;
}

} // namespace

std::string ChooseSpoolerServer(const std::optional<std::string>& configured) {
    if (configured && !configured->empty()) return *configured;
    if (const char* server = environment("CUPS_SERVER")) return server;
    if (const char* home = environment("HOME")) {
        std::string name = serverNameIn(std::string(home) + "/.cups/client.conf");
        if (!name.empty()) return name;
    }
    const char* root = environment("CUPS_SERVERROOT");
    std::string name = serverNameIn(std::string(root ? root : kSystemFolder) + "/client.conf");
    return name.empty() ? kLocalSocket : name;
}

} // namespace tessaline
