#pragma once

#include "transport/request_kind.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessaline {

// Replies to configuration, machine information and the like end with this line; counters and
// status replies end when the printer falls silent.
inline constexpr std::string_view kReplyTerminator = "END\r\n";
// Serial, parallel and socket replies also end on this, the terminator followed by one byte.
inline constexpr std::string_view kReplyTerminatorFollowed = "ND\r\nT";

enum class CompletionClass { Terminator, Silence };

// Completion types 2 (counters) and 6 (status) end on silence, all others on the terminator.
CompletionClass completionClassOf(RequestKind completion);

// Collects one reply into the caller's buffer and never stores beyond it.
class ReplyCollector {
public:
    explicit ReplyCollector(std::span<uint8_t> buffer) : buffer_(buffer) {}

    uint8_t* tail() { return buffer_.data() + count_; }
    size_t space() const { return buffer_.size() - count_; }
    bool full() const { return count_ == buffer_.size(); }
    void added(size_t bytes) { count_ += bytes; }
    void dropLast() {
        if (count_) --count_;
    }
    uint32_t count() const { return static_cast<uint32_t>(count_); }

    // What has arrived so far ends with the terminator, or with its followed form.
    bool endsWithTerminator() const { return endsWith(kReplyTerminator); }
    bool endsWithTerminatorFollowed() const { return endsWith(kReplyTerminatorFollowed); }
    // The serial and parallel end test: the terminator, or its followed form, whose extra byte
    // is then dropped.
    bool completeAtTerminator() {
        if (endsWithTerminator()) return true;
        if (!endsWithTerminatorFollowed()) return false;
        dropLast();
        return true;
    }

private:
    bool endsWith(std::string_view tail) const;

    std::span<uint8_t> buffer_;
    size_t count_ = 0;
};

} // namespace tessaline
