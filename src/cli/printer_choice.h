#pragma once

#include "app/interface_settings.h"
#include "cli/options.h"
#include "platform/print_spooler.h"
#include "transport/channel_selection.h"

#include <optional>

namespace tessaline::cli {

// Where the exchanges of a run go: the printer that Send writes to (a port, an address or a print
// queue) and, for a queue, the port behind it that every other exchange uses. When the program
// cannot open the queue's port, the queue stands there too, and the session refuses those
// exchanges.
struct PrinterChoice {
    ChannelSelection printer;
    std::optional<ChannelSelection> portBehindQueue;
};

// The interface of `settings` as the window chooses it at start: a saved port the lists lack gives
// the first listed one, a saved queue the spooler lacks the preferred or the default queue. A port
// that `option` names is taken even when the discovery does not list it (a pseudo-terminal, a
// port not plugged in yet). nullopt when --queue names a queue the spooler does not list.
std::optional<PrinterChoice> ChoosePrinter(InterfaceChoice option, InterfaceSettings settings,
                                           const PrintSpooler& spooler);

} // namespace tessaline::cli
