#include "session/open_interface.h"

#include "config/configuration_stream.h"
#include "platform/device_state.h"
#include "transport/channel_clock.h"
#include "transport/exchange_sizes.h"
#include "transport/selected_interface.h"

#include <algorithm>
#include <vector>

namespace tessaline {

namespace {

bool isDirectKind(InterfaceKind kind) {
    return kind == InterfaceKind::Serial || kind == InterfaceKind::Parallel ||
           kind == InterfaceKind::Usb || kind == InterfaceKind::Network;
}

struct OpenFailurePhrase {
    OpenFailureCause cause;
    DetailPhrase phrase;
};
constexpr OpenFailurePhrase kOpenFailurePhrases[] = {
    {OpenFailureCause::None, DetailPhrase::NoInterface}, // nothing the channel can open
    {OpenFailureCause::NoPortKind, DetailPhrase::NoInterface},
    {OpenFailureCause::AlreadyOpen, DetailPhrase::PortBusy},
    {OpenFailureCause::NotFound, DetailPhrase::DeviceMissing},
    {OpenFailureCause::Busy, DetailPhrase::PortBusy},
    {OpenFailureCause::PermissionDenied, DetailPhrase::PermissionDenied},
    {OpenFailureCause::LineSettingsRefused, DetailPhrase::LineSettingsRefused},
    {OpenFailureCause::UsbPortNotConnected, DetailPhrase::UsbPortNotConnected},
    {OpenFailureCause::HostUnknown, DetailPhrase::HostUnknown},
    {OpenFailureCause::Unreachable, DetailPhrase::Unreachable},
    {OpenFailureCause::Refused, DetailPhrase::ConnectionRefused},
    {OpenFailureCause::ConnectTimeout, DetailPhrase::ConnectTimeout},
    {OpenFailureCause::Cancelled, DetailPhrase::Cancelled},
};

// Whole seconds a wait took, at least one: "no answer within 3 s".
int64_t secondsOf(Millis waited) {
    return std::max<int64_t>(1, (waited.count() + 500) / 1000);
}

// Why an open failed, for people. A device this user may not open names the group that may.
ErrorDetail openFailureDetail(const OpenFailure& failure, const ChannelSelection& selection,
                              Millis waited) {
    ErrorDetail detail(DetailPhrase::OpenSystemError);
    for (const auto& entry : kOpenFailurePhrases)
        if (entry.cause == failure.cause) detail = ErrorDetail(entry.phrase);
    switch (failure.cause) {
    case OpenFailureCause::SystemError:
        detail.number("error", failure.osError);
        break;
    case OpenFailureCause::ConnectTimeout:
        detail.number("seconds", secondsOf(waited));
        break;
    case OpenFailureCause::PermissionDenied:
        if (auto group = DeviceGroupName(selection.portName)) {
            detail = ErrorDetail(DetailPhrase::PermissionDeniedJoinGroup);
            detail.text("group", std::move(*group));
        }
        break;
    default:
        break;
    }
    return detail;
}

bool isConfigurationRequest(RequestKind kind) {
    return kind == RequestKind::StandardConfig || kind == RequestKind::AllConfig ||
           kind == RequestKind::AdvancedConfig;
}

// A read or write that failed because the device went away.
bool deviceGone(const ChannelResult& result) {
    return result.code == ChannelCode::SystemError && DeviceGone(result.osError);
}

} // namespace

PrinterSession::Call::Call(PrinterSession& session, ExchangeTask task) : s_(session) {
    {
        std::lock_guard lock(s_.callMutex_);
        s_.token_.reset();
        s_.inCall_ = true;
    }
    if (s_.setup_.io) s_.setup_.io->callStarted(task, [&session] { session.cancel(); });
}

PrinterSession::Call::~Call() {
    if (s_.setup_.io) s_.setup_.io->callEnded();
    std::lock_guard lock(s_.callMutex_);
    s_.inCall_ = false;
}

PrinterSession::OpenInterface::OpenInterface(PrinterSession& session, OpenPurpose purpose,
                                             Unopenable unopenable)
    : s_(session) {
    if (unopenable == Unopenable::NoInterface && !isDirectKind(s_.direct_.kind)) {
        const bool named = s_.direct_.kind != InterfaceKind::None && !s_.direct_.portName.empty();
        error_ =
            s_.failure(code::kNoInterface, FailureCause::NoInterface, {},
                       ErrorDetail(named ? DetailPhrase::NotOpenable : DetailPhrase::NoInterface));
        return;
    }
    bool ok = false;
    const auto start = ChannelClock::now();
    s_.run(kOpeningStep, [&] { ok = OpenSelectedInterface(s_.channel_, s_.direct_, purpose); });
    const Millis waited = elapsedSince(start);
    opened_ = true;
    if (ok) return;
    close();
    if (s_.token_.cancelled()) {
        error_ = cancelled();
        return;
    }
    const OpenFailure why = s_.channel_.lastOpenFailure();
    error_ = s_.failure(code::kOpenError, FailureCause::OpenFailed, {},
                        openFailureDetail(why, s_.direct_, waited));
    error_->open = why;
}

SessionError PrinterSession::OpenInterface::cancelled() const {
    return s_.failure(code::kNone, FailureCause::Cancelled, ChannelCode::Cancelled,
                      ErrorDetail(DetailPhrase::Cancelled));
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
    if (deviceGone(result))
        return s_.failure(code::kTransferError, FailureCause::WriteFailed, result,
                          ErrorDetail(DetailPhrase::DeviceVanished));
    return s_.failure(
        code::kTransferError, FailureCause::WriteFailed, result,
        ErrorDetail(DetailPhrase::WriteIncomplete).number("bytes", done).number("total", count));
}

SessionResult<std::string> PrinterSession::OpenInterface::read(RequestKind completion) {
    std::vector<uint8_t> buffer(kExchangeBufferSize, 0);
    uint32_t count = 0;
    ChannelResult result = ChannelCode::InvalidHandle;
    const auto start = ChannelClock::now();
    s_.run(kReceivingStep, [&] {
        result = s_.direct_.kind == InterfaceKind::Network
                     ? s_.channel_.ReceiveSocket(buffer, &count, completion)
                     : s_.channel_.ReadPort(buffer, &count, completion);
    });
    if (s_.token_.cancelled()) return cancelled();
    if (count == kPeerClosedCount)
        return s_.failure(
            code::kReceptionError, FailureCause::NoReply, result,
            ErrorDetail(DetailPhrase::ClosedAfter).number("bytes", s_.channel_.bytesBeforeClose()));
    if (deviceGone(result))
        return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
                          ErrorDetail(DetailPhrase::DeviceVanished));
    if (count == 0 && result == ChannelCode::DeviceNotConnected)
        return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
                          ErrorDetail(DetailPhrase::ClosedAfter).number("bytes", 0));
    if (count == 0)
        return s_.failure(
            code::kReceptionError, FailureCause::NoReply, result,
            ErrorDetail(DetailPhrase::NoAnswer).number("seconds", secondsOf(elapsedSince(start))));
    if (!result.ok()) {
        // A configuration reply that broke off before it looked like one is said by its bytes:
        // another device, or a printer speaking another language, answered.
        const std::string_view partial(reinterpret_cast<const char*>(buffer.data()),
                                       std::min<size_t>(count, buffer.size()));
        if (isConfigurationRequest(completion) &&
            !recogniseConfigurationStream(partial, true).recognised)
            return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
                              ErrorDetail(DetailPhrase::UnexpectedStart)
                                  .text("shown", std::string(partial.substr(0, kShownReplyBytes))));
        return s_.failure(code::kReceptionError, FailureCause::NoReply, result,
                          ErrorDetail(DetailPhrase::ReplyBrokeOff).number("bytes", count));
    }
    return std::string(reinterpret_cast<const char*>(buffer.data()),
                       std::min<size_t>(count, buffer.size()));
}

void PrinterSession::OpenInterface::close() {
    if (!opened_) return;
    opened_ = false;
    s_.run(kClosingStep, [&] { CloseSelectedInterface(s_.channel_, s_.direct_); });
}

} // namespace tessaline
