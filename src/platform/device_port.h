#pragma once

#include "platform/io_result.h"
#include "platform/serial_line.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace tessaline {

enum class DeviceOpenState {
    Opened,
    NotFound,         // no such device
    Busy,             // another program holds it
    PermissionDenied, // this user may not open it
    Failed,           // any other refusal; see osError
};

struct DeviceOpenStatus {
    DeviceOpenState state = DeviceOpenState::Failed;
    int osError = 0;
    bool opened() const { return state == DeviceOpenState::Opened; }
};

// What to throw away when purging a port.
enum class PurgeScope { Input, InputAndOutput };

// A serial, parallel or USB printer port opened by its device path. Reads and writes never
// block: a read takes what is there, a write what the device accepts now; the caller waits
// between them, in slices it chooses. Closed when destroyed.
class DevicePort {
public:
    DevicePort();
    ~DevicePort();
    DevicePort(DevicePort&&) noexcept;
    DevicePort& operator=(DevicePort&&) noexcept;

    // Opens `path` for reading and writing, for this process alone: a device that another
    // program holds is Busy. Whatever was open before is closed first.
    DeviceOpenStatus open(const std::string& path);
    bool isOpen() const;
    // Closes the device: 0 or the system's error number of the close.
    SystemStatus close();

    // Takes what the device has now, at most `size` bytes.
    IoResult readAvailable(uint8_t* into, size_t size);
    // Hands the device what it accepts now of `size` bytes.
    IoResult write(const uint8_t* data, size_t size);
    // Waits up to `limit` until the device accepts data.
    Readiness waitWritable(std::chrono::milliseconds limit);

    // Serial lines only; on other devices these fail.
    // Raw mode with these line settings.
    SystemStatus applyLineSettings(const SerialLineSettings& settings);
    // Bytes received and not read yet (in `bytes`).
    IoResult queuedInput();
    // Bytes written that the line has not sent yet (in `bytes`).
    IoResult queuedOutput();
    SystemStatus purge(PurgeScope scope);

private:
    struct Native; // the platform's handle
    std::unique_ptr<Native> native_;
};

} // namespace tessaline
