#include "session/interface_text.h"

namespace tessaline {

std::string InterfaceText(const ChannelSelection& selection) {
    switch (selection.kind) {
    case InterfaceKind::Network:
        return selection.portName + ":" +
               (selection.portNumber.empty() ? std::to_string(kDefaultTcpPort)
                                             : selection.portNumber);
    case InterfaceKind::None:
        return "no interface";
    default:
        return selection.portName;
    }
}

} // namespace tessaline
