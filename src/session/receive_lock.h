#pragma once

#include <string_view>

namespace tessaline {

// The lock held for a whole Receive by whoever receives, the window or the command line tool.
inline constexpr std::string_view kReceiveLockName = "mtx_recv_config";

} // namespace tessaline
