#include "session/printer_session.h"

#include "config/configuration_record_set.h"
#include "config/reply_checks.h"
#include "platform/code_page.h"
#include "session/interface_text.h"
#include "session/open_interface.h"
#include "transport/exchange_sizes.h"
#include "transport/request_catalogue.h"

namespace tessaline {

namespace {

// A configuration reply that filled the whole reply buffer without its last line was cut off: its
// last setting may be cut in the middle of its value, so none of it is taken.
bool cutOff(std::string_view reply) {
    constexpr std::string_view kEndLine = "\r\nEND\r\n";
    return reply.size() >= kExchangeBufferSize && reply.find(kEndLine) == std::string_view::npos;
}

} // namespace

namespace {

// The channel's waits look at the session's token.
ChannelSetup cancellable(ChannelSetup setup, const CancelToken* token) {
    setup.cancel = token;
    return setup;
}

// Where the reply's END line ends, or npos when it has none: a reply cut short, by a printer
// that hung up or fell silent halfway, has none.
size_t endLineEnd(std::string_view reply) {
    constexpr std::string_view kEndLine = "END\r\n";
    for (size_t at = reply.find(kEndLine); at != std::string_view::npos;
         at = reply.find(kEndLine, at + 1)) {
        if (at == 0 || reply[at - 1] == '\n') return at + kEndLine.size();
    }
    return std::string_view::npos;
}

} // namespace

PrinterSession::PrinterSession(SessionSetup setup)
    : setup_(std::move(setup)), channel_(cancellable(setup_.channel, &token_)) {}

void PrinterSession::select(const ChannelSelection& printer) {
    printer_ = printer;
    direct_ = printer;
}

void PrinterSession::select(const ChannelSelection& queue,
                            const ChannelSelection& portBehindQueue) {
    printer_ = queue;
    direct_ = portBehindQueue;
}

void PrinterSession::run(std::string_view step, const std::function<void()>& work) {
    if (setup_.io)
        setup_.io->run(step, work);
    else
        work();
}

bool PrinterSession::cancel() {
    std::lock_guard lock(callMutex_);
    if (inCall_) token_.cancel();
    return inCall_;
}

SessionError PrinterSession::failure(int messageCode, FailureCause cause, ChannelResult channel,
                                     ErrorDetail detail) const {
    if (!detail.has("interface")) detail.text("interface", InterfaceText(direct_));
    return {messageCode, cause, channel, {}, std::move(detail)};
}

std::string PrinterSession::interfaceText() const {
    return InterfaceText(direct_);
}

SessionResult<std::string> PrinterSession::request(RequestKind kind, EmulationKind emulation) {
    Call call(*this, ExchangeTask::Receive);
    std::string text;
    BuildRequest(text, kind, emulation);
    OpenInterface open(*this, OpenPurpose::Receive);
    if (open.error()) return *open.error();
    if (auto error = open.write(FrameForPrinter(kind, text))) return *error;
    SessionResult<std::string> reply = open.read(kind);
    // Machine information ends with its END line; half of it must not be shown or saved, whichever
    // call asked for it.
    if (reply && kind == RequestKind::MachineInfo)
        if (auto error = incomplete(*reply)) return *error;
    return reply;
}

SessionResult<std::string> PrinterSession::status(EmulationKind emulation) {
    return request(RequestKind::Status, emulation);
}

SessionResult<std::string> PrinterSession::counters() {
    return request(RequestKind::Counters, EmulationKind::Native);
}

SessionResult<std::string> PrinterSession::machineInformation() {
    return request(RequestKind::MachineInfo, EmulationKind::Native);
}

// A reply that ends with an END line is taken only when it has that line and no zero byte before
// it: half a configuration must never be applied, exported or shown as if it were whole.
std::optional<SessionError> PrinterSession::incomplete(std::string_view reply) const {
    const size_t end = endLineEnd(reply);
    if (end == std::string_view::npos)
        return failure(code::kReceptionError, FailureCause::ReplyIncomplete, {},
                       ErrorDetail(DetailPhrase::StoppedWithoutEnd)
                           .number("bytes", static_cast<int64_t>(reply.size())));
    const size_t zero = reply.substr(0, end).find('\0');
    if (zero != std::string_view::npos)
        return failure(code::kReplyError, FailureCause::ReplyIncomplete, {},
                       ErrorDetail(DetailPhrase::ZeroByte)
                           .number("position", static_cast<int64_t>(zero + 1))
                           .number("bytes", static_cast<int64_t>(reply.size())));
    return std::nullopt;
}

SessionResult<ConfigurationReply> PrinterSession::receiveConfiguration(RequestKind kind,
                                                                       bool mayDropFirstByte) {
    SessionResult<std::string> reply = request(kind, EmulationKind::Native);
    if (!reply) return reply.error();
    ConfigurationReply received{*reply, recogniseConfigurationStream(*reply, mayDropFirstByte)};
    if (!received.stream.recognised)
        return failure(code::kReplyError, FailureCause::ReplyUnrecognised, {},
                       ErrorDetail(DetailPhrase::UnexpectedStart)
                           .text("shown", received.reply.substr(0, kShownReplyBytes)));
    if (cutOff(received.reply))
        return failure(
            code::kReplyError, FailureCause::ReplyCutOff, {},
            ErrorDetail(DetailPhrase::FilledBuffer).number("bytes", kExchangeBufferSize));
    if (auto error = incomplete(received.reply)) return *error;
    return received;
}

// The printer's language, from its reply to the standard configuration request.
SessionResult<PrinterLanguage> PrinterSession::machineEmulation() {
    SessionResult<std::string> reply = request(RequestKind::StandardConfig, EmulationKind::Native);
    if (!reply) return reply.error();
    return LanguageOfReply(*reply);
}

DetailPhrase LanguagePhrase(PrinterLanguage language) {
    switch (language) {
    case PrinterLanguage::Zpl:
        return DetailPhrase::LanguageZebra;
    case PrinterLanguage::Epl:
        return DetailPhrase::LanguageEltron;
    case PrinterLanguage::Native:
        return DetailPhrase::LanguageNative;
    default:
        return DetailPhrase::LanguageNone;
    }
}

PrinterLanguage LanguageOfReply(std::string_view reply) {
    ConfigurationRecordSet records;
    records.emulationReply = fromAnsi(reply);
    return static_cast<PrinterLanguage>(QueryMachineEmulation(records));
}

} // namespace tessaline
