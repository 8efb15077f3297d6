#include "transport/queue_handover.h"

#include "transport/queue_port.h"

#include <cstdlib>
#include <memory>

namespace tessaline {
namespace {

std::string canonical(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

} // namespace

void QueueHandover::takeOver(const std::string& devicePath) {
    paused_.clear();
    if (!spooler_ || devicePath.empty()) return;
    const std::string device = canonical(devicePath);
    for (const PrintQueue& queue : spooler_->listQueues()) {
        std::string queueDevice = queueDevicePath(queue.deviceUri);
        if (queue.paused || queueDevice.empty()) continue;
        if (queueDevice != devicePath && canonical(queueDevice) != device) continue;
        if (spooler_->pauseQueue(queue.name)) paused_.push_back(queue.name);
    }
}

void QueueHandover::giveBack() {
    if (!spooler_) return;
    for (const std::string& name : paused_)
        spooler_->resumeQueue(name);
    paused_.clear();
}

} // namespace tessaline
