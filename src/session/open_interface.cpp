#include "session/open_interface.h"

#include "transport/exchange_sizes.h"
#include "transport/selected_interface.h"

#include <vector>

namespace tessaline {

namespace {

bool isDirectKind(InterfaceKind kind) {
    return kind == InterfaceKind::Serial || kind == InterfaceKind::Parallel ||
           kind == InterfaceKind::Usb || kind == InterfaceKind::Network;
}

struct OpenFailureWords {
    OpenFailureCause cause;
    std::string_view text;
};
constexpr OpenFailureWords kOpenFailureTexts[] = {
    {OpenFailureCause::NotFound, "no such device"},
    {OpenFailureCause::Busy, "another program is using the port"},
    {OpenFailureCause::PermissionDenied, "permission denied on the device"},
    {OpenFailureCause::LineSettingsRefused, "the port refused its line settings"},
    {OpenFailureCause::UsbPortNotConnected, "no USB printer port of that name is connected"},
    {OpenFailureCause::HostUnknown, "the host name is not known"},
    {OpenFailureCause::Unreachable, "the printer does not answer (no echo reply)"},
    {OpenFailureCause::Refused, "the printer refused the connection"},
    {OpenFailureCause::ConnectTimeout, "the connection was not made in time"},
};

// Why an open failed, for people.
std::string openFailureText(const OpenFailure& failure) {
    if (failure.cause == OpenFailureCause::SystemError)
        return "the system refused (error " + std::to_string(failure.osError) + ")";
    for (const auto& words : kOpenFailureTexts)
        if (words.cause == failure.cause) return std::string(words.text);
    return "could not be opened";
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
    if (s_.token_.cancelled()) {
        error_ = cancelled();
        return;
    }
    const OpenFailure why = s_.channel_.lastOpenFailure();
    error_ = s_.failure(code::kOpenError, FailureCause::OpenFailed, {}, openFailureText(why));
    error_->open = why;
}

SessionError PrinterSession::OpenInterface::cancelled() const {
    return s_.failure(code::kNone, FailureCause::Cancelled, ChannelCode::Cancelled, "cancelled");
}

std::optional<SessionError> PrinterSession::OpenInterface::write(std::string_view bytes) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto count = static_cast<uint32_t>(bytes.size());
    uint32_t done = 0;
    ChannelResult result = ChannelCode::InvalidHandle;
    s_.run(kSendingStep, [&] {
        result = s_.direct_.kind == InterfaceKind::Network
                     ? s_.channel_.SendSocket(count, data, &done)
                     : s_.channel_.WritePort(data, count, &done);
    });
    if (result.ok() && done != count) result = ChannelCode::Busy;
    if (result.ok()) return std::nullopt;
    if (s_.token_.cancelled()) return cancelled();
    return s_.failure(code::kTransferError, FailureCause::WriteFailed, result,
                      "took " + std::to_string(done) + " of " + std::to_string(count) + " bytes");
}

SessionResult<std::string> PrinterSession::OpenInterface::read(RequestKind completion) {
    std::vector<uint8_t> buffer(kExchangeBufferSize, 0);
    uint32_t count = 0;
    ChannelResult result = ChannelCode::InvalidHandle;
    s_.run(kReceivingStep, [&] {
        result = s_.direct_.kind == InterfaceKind::Network
                     ? s_.channel_.ReceiveSocket(buffer, &count, completion)
                     : s_.channel_.ReadPort(buffer, &count, completion);
    });
    if (s_.token_.cancelled()) return cancelled();
    if (count == kPeerClosedCount)
        return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
                          "the printer closed the connection");
    if (!result.ok() || count == 0)
        return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
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
