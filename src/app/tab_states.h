#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The tabs of the main window, by their index in the tab control.
enum class TabIndex : int {
    Easy = 0,
    Standard = 1,
    Information = 2,
    SensorAdjustment = 3,
    PrintTest = 4,
    Advanced = 5,
};
inline constexpr int kTabCount = 6;

// The caption of the Send button on a tab.
enum class SendCaption {
    SendConfiguration, // item row 7, label 0
    StartAdjustment,   // item row 7, label 1
    Execute,           // print item 3
};

// Receive scope list entries.
enum class ReceiveScope : int { Easy = 0, Standard = 1, Information = 2, Advanced = 3 };

// Which command buttons a tab enables.
struct TabButtonStates {
    SendCaption sendCaption;
    bool send;
    bool importFile;
    bool exportFile;
    bool receive;
    bool restoreDefaults;
    bool checkAllBox;
    bool selfInfo;
    ReceiveScope receiveScope;
};

const TabButtonStates& ButtonStatesForTab(TabIndex tab);

// The USB port named by the channel's notification "a#b&c#d#e#NAME" style string: the fifth
// "#" part, when there are exactly five parts and the second splits at "&" into exactly two.
std::optional<std::string> ParseUsbNotification(std::string_view notification);

} // namespace tessaline
