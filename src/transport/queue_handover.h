#pragma once

#include "platform/print_spooler.h"

#include <string>
#include <vector>

namespace tessaline {

// Takes a serial or parallel device away from the print queues that print to it while the
// channel uses it: those queues are paused, and exactly those are resumed afterwards. A queue
// the user had paused already is left alone. Failures of the spooler stay soft.
class QueueHandover {
public:
    explicit QueueHandover(const PrintSpooler* spooler) : spooler_(spooler) {}

    void takeOver(const std::string& devicePath);
    void giveBack();
    const std::vector<std::string>& pausedQueues() const { return paused_; }

private:
    const PrintSpooler* spooler_;
    std::vector<std::string> paused_;
};

} // namespace tessaline
