#pragma once

#include "transport/channel_selection.h"

#include <string>

namespace tessaline {

// The interface as people name it: "192.168.10.21:9100", "/dev/ttyUSB0", "USB001", or the
// queue's name.
std::string InterfaceText(const ChannelSelection& selection);

} // namespace tessaline
