#include "session/open_interface.h"

#include "transport/result_codes.h"
#include "transport/selected_interface.h"

#include <vector>

namespace tessaline {

namespace {

bool isDirectKind(InterfaceKind kind) {
    return kind == InterfaceKind::Serial || kind == InterfaceKind::Parallel ||
           kind == InterfaceKind::Usb || kind == InterfaceKind::Network;
}

// The channel's numbers as a typed result: its own codes, or a system error number.
ChannelResult typed(uint32_t result) {
    switch (result) {
    case kResultOk:
    case kResultInvalidHandle:
    case kResultBadArguments:
    case kResultBusy:
    case kResultWaitTimeout:
    case kResultDeviceNotConnected:
    case kResultTimeout:
    case kResultOpenFailed:
    case kResultWriteFault:
        return static_cast<ChannelCode>(result);
    default:
        return ChannelResult::System(static_cast<int>(result));
    }
}

} // namespace

PrinterSession::Call::Call(PrinterSession& session) : s_(session) {
    std::lock_guard lock(s_.callMutex_);
    s_.token_.reset();
    s_.inCall_ = true;
}

PrinterSession::Call::~Call() {
    std::lock_guard lock(s_.callMutex_);
    s_.inCall_ = false;
}

PrinterSession::OpenInterface::OpenInterface(PrinterSession& session, OpenPurpose purpose,
                                             Unopenable unopenable)
    : s_(session) {
    if (unopenable == Unopenable::NoInterface && !isDirectKind(s_.direct_.kind)) {
        error_ = s_.failure(code::kNoInterface, FailureCause::NoInterface, {},
                            "no interface the program can open");
        return;
    }
    bool ok = false;
    s_.run(kOpeningStep, [&] { ok = OpenSelectedInterface(s_.channel_, s_.direct_, purpose); });
    opened_ = true;
    if (ok) return;
    close();
    error_ = s_.token_.cancelled() ? cancelled()
                                   : s_.failure(code::kOpenError, FailureCause::OpenFailed, {},
                                                "could not be opened");
}

SessionError PrinterSession::OpenInterface::cancelled() const {
    return s_.failure(code::kNone, FailureCause::Cancelled, ChannelCode::Cancelled, "cancelled");
}

std::optional<SessionError> PrinterSession::OpenInterface::write(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto count = static_cast<uint32_t>(bytes.size());
    uint32_t done = 0;
    uint32_t result = kResultInvalidHandle;
    s_.run(kSendingStep, [&] {
        result = s_.direct_.kind == InterfaceKind::Network
                     ? s_.channel_.SendSocket(count, data, &done)
                     : s_.channel_.WritePort(data, count, &done);
    });
    if (result == kResultOk && done != count) result = kResultBusy;
    if (result == kResultOk) return std::nullopt;
    if (s_.token_.cancelled()) return cancelled();
    return s_.failure(code::kTransferError, FailureCause::WriteFailed, typed(result),
                      "took " + std::to_string(done) + " of " + std::to_string(count) + " bytes");
}

SessionResult<std::string> PrinterSession::OpenInterface::read(RequestKind completion) {
    std::vector<uint8_t> buffer(kExchangeBufferSize, 0);
    uint32_t count = 0;
    uint32_t result = kResultInvalidHandle;
    s_.run(kReceivingStep, [&] {
        result = s_.direct_.kind == InterfaceKind::Network
                     ? s_.channel_.ReceiveSocket(buffer, &count, static_cast<int>(completion))
                     : s_.channel_.ReadPort(buffer, &count, static_cast<int>(completion));
    });
    if (s_.token_.cancelled()) return cancelled();
    if (count == kPeerClosedCount)
        return s_.failure(code::kReceptionError, FailureCause::NoReply, typed(result),
                          "the printer closed the connection");
    if (result != kResultOk || count == 0)
        return s_.failure(code::kReceptionError, FailureCause::NoReply, typed(result),
                          count == 0 ? "no reply" : "the reply broke off");
    return std::string(reinterpret_cast<const char*>(buffer.data()),
                       std::min<size_t>(count, buffer.size()));
}

void PrinterSession::OpenInterface::close() {
    if (!opened_) return;
    opened_ = false;
    s_.run(kClosingStep, [&] { CloseSelectedInterface(s_.channel_, s_.direct_); });
}

} // namespace tessaline
