#pragma once

#include <cstddef>
#include <cstdint>

namespace tessaline {

// Size of the reply and send buffers of an exchange.
inline constexpr uint32_t kExchangeBufferSize = 4096;

// The most stale input one read takes while draining a port or a connection after its open.
inline constexpr uint32_t kDrainChunk = 4096;

// The most bytes of an unexpected reply an error shows, to say what came instead.
inline constexpr size_t kShownReplyBytes = 16;

// The byte count a socket read reports when the peer closed the connection.
inline constexpr uint32_t kPeerClosedCount = 0xFFFFFFFF;

} // namespace tessaline
