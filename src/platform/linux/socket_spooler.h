#pragma once

#include "platform/print_spooler.h"

#include <string>
#include <vector>

namespace tessaline {

// The spooler asked in IPP over its Unix domain socket at `socketPath`, which needs none of the
// CUPS library and the libraries behind it. Nothing answers as no queues and no default.
std::vector<PrintQueue> ListQueuesOverSocket(const std::string& socketPath);
std::string DefaultQueueOverSocket(const std::string& socketPath);

} // namespace tessaline
