#pragma once

#include "platform/ipp_message.h"
#include "platform/linux/unique_fd.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaline {

struct IppExchangeLimits {
    std::chrono::milliseconds connect{0};
    std::chrono::milliseconds reply{0}; // for sending the request and reading the whole reply
    size_t replyBytes = 0;              // the most a reply may take, headers included
};

// A connection to the Unix domain socket at `path`; empty when nobody accepts within `limit`.
UniqueFd ConnectToUnixSocket(const std::string& path, std::chrono::milliseconds limit);

// Posts the encoded IPP message `request` over `fd` and returns the body of the reply: nothing
// for a status other than 200, a malformed or too large reply, or when the time is up.
std::optional<std::string> PostIpp(int fd, std::string_view request,
                                   const IppExchangeLimits& limits);

// One request to the spooler listening at `socketPath`: its response when it arrives whole and
// reports success, else nothing.
std::optional<IppMessage> AskSpoolerSocket(const std::string& socketPath, uint16_t operation,
                                           std::span<const IppRequestAttribute> attributes,
                                           const IppExchangeLimits& limits);

} // namespace tessaline
