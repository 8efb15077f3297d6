#include "app/tab_states.h"

#include <vector>

namespace tessaline {

namespace {

using enum SendCaption;
using enum ReceiveScope;

// By tab index: caption, Send, Import, Export, Receive, Restore Defaults, check-all box,
// Self Info, Receive scope.
constexpr TabButtonStates kTabStates[kTabCount] = {
    {SendConfiguration, true, true, true, true, true, true, false, Easy},
    {SendConfiguration, true, true, true, true, true, true, true, Standard},
    {SendConfiguration, false, false, false, true, false, false, false, Information},
    {StartAdjustment, true, false, true, false, true, true, false, Standard},
    {Execute, true, false, false, false, false, false, false, Standard},
    {SendConfiguration, true, true, true, true, true, true, false, Advanced},
};

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

} // namespace

const TabButtonStates& ButtonStatesForTab(TabIndex tab) {
    const int index = static_cast<int>(tab);
    return kTabStates[index >= 0 && index < kTabCount ? index
                                                      : static_cast<int>(TabIndex::Standard)];
}

std::optional<std::string> ParseUsbNotification(std::string_view notification) {
    const auto parts = split(notification, '#');
    if (parts.size() != 5 || split(parts[1], '&').size() != 2) return std::nullopt;
    return std::string(parts[4]);
}

} // namespace tessaline
