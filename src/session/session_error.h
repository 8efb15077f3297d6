#pragma once

#include "text/error_detail.h"
#include "transport/channel_result.h"
#include "transport/open_failure.h"

namespace tessaline {

// Why a printer operation did not end well.
enum class FailureCause {
    NoInterface,         // no interface chosen, or a queue whose port the program cannot open
    OpenFailed,          // the interface could not be opened
    QueueRefused,        // the print queue did not take the document
    WriteFailed,         // the printer did not take every byte
    NoReply,             // nothing came back, or the read failed
    ReplyUnrecognised,   // the reply does not begin like a configuration
    ReplyCutOff,         // the reply filled the reply buffer without its last line
    ReplyIncomplete,     // the reply stopped before its END line, or holds a zero byte
    ReplyUnreadable,     // the reply was recognised but carries no usable result
    PrintFileUnreadable, // the print file could not be opened or read
    Cancelled,           // another thread cancelled the operation
};

// The message codes of the flows (their texts are in the message table).
namespace code {
inline constexpr int kNone = 0;
inline constexpr int kOpenError = 30;
inline constexpr int kTransferError = 31;
inline constexpr int kReplyError = 32;
inline constexpr int kNoInterface = 40;
inline constexpr int kPrintFileError = 80;
inline constexpr int kReceptionError = 82;
} // namespace code

// A failed printer operation: the message code the person is shown (none for a cancelled one),
// the cause, what the channel reported (with the system's error number kept apart) and a detail
// for people that names the interface, what happened and what to do, put into words when shown.
struct SessionError {
    int messageCode = code::kNone;
    FailureCause cause = FailureCause::NoInterface;
    ChannelResult channel;
    OpenFailure open; // why the interface did not open, with OpenFailed
    ErrorDetail detail;
};

} // namespace tessaline
