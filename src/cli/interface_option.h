#pragma once

#include "app/interface_settings.h"
#include "cli/options.h"

#include <string>

namespace tessaline::cli {

// Puts the interface named on the command line into `settings` (port type, port name, TCP port,
// serial line settings); other fields stay as the settings file gave them. False with a message
// when the value cannot be read. Nothing changes for InterfaceChoice::Saved.
//   --tcp HOST[:PORT]                               port 1..65535, default 9100
//   --serial DEVICE[,BAUD,DATA,STOP,PARITY,FLOW]    e.g. /dev/ttyUSB0,9600,8,1,N,X; an empty or
//                                                   missing piece keeps the saved value
//   --parallel DEVICE   --usb USB001|USB_AUTO   --queue NAME
bool applyInterfaceOption(InterfaceChoice choice, const std::string& value,
                          InterfaceSettings& settings, std::string& error);

} // namespace tessaline::cli
