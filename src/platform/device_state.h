#pragma once

#include <optional>
#include <string>

namespace tessaline {

// The name of the group that owns the device at `path`: the group a person joins to be allowed
// to open it. nullopt when the device or its group cannot be found.
std::optional<std::string> DeviceGroupName(const std::string& path);

// Whether the system's error number of a read or write says the device went away (unplugged, or
// the far end of a pseudo-terminal closed).
bool DeviceGone(int osError);

} // namespace tessaline
