#include "platform/linux/socket_spooler.h"

#include "platform/ipp_message.h"
#include "platform/linux/ipp_socket_exchange.h"
#include "platform/linux/spooler_server.h"

#include <cstdlib>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace tessaline {
namespace {

constexpr uint16_t kGetPrinters = 0x4002;
constexpr uint16_t kGetDefault = 0x4001;
constexpr int32_t kPrinterClass = 0x0001; // printer-type bits
constexpr int32_t kRemotePrinter = 0x0002;
constexpr int32_t kStoppedState = 5; // printer-state "stopped"
constexpr std::chrono::milliseconds kReplyLimit{10000};
constexpr size_t kReplyBytes = 8 << 20; // some tens of thousands of queues

std::string loginUser() {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return found->pw_name;
    return "unknown";
}

std::optional<IppMessage> askSpooler(const std::string& socketPath, uint16_t operation,
                                     const std::vector<IppRequestAttribute>& attributes) {
    using namespace ipp_tag;
    std::vector<IppRequestAttribute> all = {
        {kOperationGroup, kCharset, "attributes-charset", {"utf-8"}},
        {kOperationGroup, kNaturalLanguage, "attributes-natural-language", {"en"}},
        {kOperationGroup, kName, "requesting-user-name", {loginUser()}},
    };
    all.insert(all.end(), attributes.begin(), attributes.end());
    const IppExchangeLimits limits{kSpoolerConnectLimit, kReplyLimit, kReplyBytes};
    return AskSpoolerSocket(socketPath, operation, all, limits);
}

std::string textOf(const IppGroup& group, std::string_view name) {
    const IppAttribute* attribute = FindIppAttribute(group, name);
    return attribute ? IppText(attribute->values.front()).value_or("") : "";
}

// The user's own choice of default, which the library also puts before the spooler's.
const char* userDefault() {
    const char* chosen = std::getenv("LPDEST");
    if (!chosen) {
        chosen = std::getenv("PRINTER");
        if (chosen && std::string_view(chosen) == "lp") chosen = nullptr;
    }
    return chosen;
}

} // namespace

std::vector<PrintQueue> ListQueuesOverSocket(const std::string& socketPath) {
    using namespace ipp_tag;
    std::vector<PrintQueue> queues;
    // Local queues only, no classes and no queues of other hosts.
    static const std::vector<IppRequestAttribute> kQuestion = {
        {kOperationGroup,
         kKeyword,
         "requested-attributes",
         {"printer-name", "device-uri", "printer-state"}},
        {kOperationGroup, kEnum, "printer-type", {IppIntegerBytes(0)}},
        {kOperationGroup,
         kEnum,
         "printer-type-mask",
         {IppIntegerBytes(kRemotePrinter | kPrinterClass)}},
    };
    std::optional<IppMessage> response = askSpooler(socketPath, kGetPrinters, kQuestion);
    if (!response) return queues;
    for (const IppGroup& group : response->groups) {
        if (group.tag != kPrinterGroup) continue;
        PrintQueue queue{textOf(group, "printer-name"), textOf(group, "device-uri")};
        if (const IppAttribute* state = FindIppAttribute(group, "printer-state"))
            queue.paused = IppInteger(state->values.front()) == kStoppedState;
        if (!queue.name.empty()) queues.push_back(std::move(queue));
    }
    return queues;
}

std::string DefaultQueueOverSocket(const std::string& socketPath) {
    if (const char* chosen = userDefault())
        return ConnectToUnixSocket(socketPath, kSpoolerConnectLimit) ? chosen : "";
    std::optional<IppMessage> response = askSpooler(socketPath, kGetDefault, {});
    if (!response) return {};
    for (const IppGroup& group : response->groups) {
        const IppAttribute* name = FindIppAttribute(group, "printer-name");
        if (!name) continue;
        const IppValue& value = name->values.front();
        if (value.tag == ipp_tag::kName || value.tag == ipp_tag::kNameWithLanguage)
            return IppText(value).value_or("");
    }
    return {};
}

} // namespace tessaline
