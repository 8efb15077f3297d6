#include "transport/reply_collector.h"

#include "transport/request_kind.h"

#include <cstring>

namespace tessaline {

CompletionClass completionClassOf(RequestKind completion) {
    return completion == RequestKind::Counters || completion == RequestKind::Status
               ? CompletionClass::Silence
               : CompletionClass::Terminator;
}

bool ReplyCollector::endsWith(std::string_view tail) const {
    return count_ >= tail.size() &&
           std::memcmp(buffer_.data() + count_ - tail.size(), tail.data(), tail.size()) == 0;
}

} // namespace tessaline
