#include "transport/reply_collector.h"

#include "transport/request_kind.h"

#include <cstring>

namespace tessaline {

CompletionClass completionClassOf(int completionType) {
    return completionType == static_cast<int>(RequestKind::Counters) ||
                   completionType == static_cast<int>(RequestKind::Status)
               ? CompletionClass::Silence
               : CompletionClass::Terminator;
}

bool ReplyCollector::endsWith(std::string_view tail) const {
    return count_ >= tail.size() &&
           std::memcmp(buffer_.data() + count_ - tail.size(), tail.data(), tail.size()) == 0;
}

} // namespace tessaline
