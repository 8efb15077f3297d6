#include "transport/queue_handover.h"

#include "transport/queue_port.h"

#include <filesystem>
#include <system_error>

namespace tessaline {
namespace {

// The path with every link resolved; the path itself when it does not resolve.
std::string canonical(const std::string& path) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? path : real.string();
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
