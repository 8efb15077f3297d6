// The calls that make the printer do something: take a configuration, adjust its media sensor,
// print a test label or a print file.
#include "config/configuration_record_set.h"
#include "config/key_table.h"
#include "config/reply_checks.h"
#include "platform/code_page.h"
#include "platform/input_file.h"
#include "session/interface_text.h"
#include "session/open_interface.h"
#include "session/print_commands.h"
#include "transport/request_catalogue.h"
#include "transport/selected_interface.h"

namespace tessaline {

namespace {

// The sensor adjustment reply may start with up to two stray bytes before its "A".
constexpr size_t kCalibrationReplyLead = 3;
constexpr size_t kPrintFileBlock = 1024;

// The result a sensor adjustment reply carries, if it carries one.
std::optional<SensorAdjustmentResult> calibrationResult(std::string_view reply) {
    const auto start = reply.substr(0, kCalibrationReplyLead).find('A');
    if (start == std::string_view::npos) return std::nullopt;
    ConfigurationRecordSet records;
    records.configText = fromAnsi(reply.substr(start));
    if (records.configText.empty() || CheckCalibrationReply(records) != 0) return std::nullopt;
    const SettingValue& result = records.record(kCalibrationResultRecord);
    const bool succeeded = result.selected == 1 && result.invalid == 0 && result.valueIndex == 0;
    return succeeded ? SensorAdjustmentResult::Succeeded : SensorAdjustmentResult::Failed;
}

} // namespace

SessionResult<Done> PrinterSession::sendConfiguration(std::string_view configText) {
    Call call(*this, ExchangeTask::SendConfiguration);
    const std::string bytes = FrameForPrinter(RequestKind::AllConfig, configText);
    if (printer_.kind == InterfaceKind::Printer) {
        ChannelResult result = ChannelCode::OpenFailed;
        uint32_t written = 0;
        if (setup_.spooler)
            run(kSendingStep, [&] {
                result = SendRawDocument(*setup_.spooler, printer_.portName,
                                         reinterpret_cast<const uint8_t*>(bytes.data()),
                                         static_cast<uint32_t>(bytes.size()), &written);
            });
        const std::string queue = InterfaceText(printer_);
        if (result == ChannelCode::OpenFailed)
            return failure(code::kOpenError, FailureCause::QueueRefused, ChannelCode::OpenFailed,
                           ErrorDetail(DetailPhrase::QueueRefused).text("interface", queue));
        if (result == ChannelCode::WriteFault)
            return failure(code::kTransferError, FailureCause::QueueRefused,
                           ChannelCode::WriteFault,
                           ErrorDetail(DetailPhrase::QueueTookPart)
                               .text("interface", queue)
                               .number("bytes", written)
                               .number("total", static_cast<int64_t>(bytes.size())));
        return Done{};
    }
    OpenInterface open(*this, OpenPurpose::Send, OpenInterface::Unopenable::OpenError);
    if (open.error()) return *open.error();
    if (auto error = open.write(bytes)) return *error;
    return Done{};
}

SessionResult<SensorAdjustmentResult>
PrinterSession::sensorAdjustment(std::string_view configText) {
    Call call(*this, ExchangeTask::SensorAdjustment);
    OpenInterface open(*this, OpenPurpose::SensorAdjustment);
    if (open.error()) return *open.error();
    if (auto error = open.write(FrameForPrinter(RequestKind::AllConfig, configText))) return *error;
    // The result comes when the printer has measured the media and falls silent.
    SessionResult<std::string> reply = open.read(RequestKind::Counters);
    open.close();
    if (reply.cancelled()) return reply.error();
    if (reply) {
        if (auto result = calibrationResult(*reply)) return *result;
        return failure(code::kReplyError, FailureCause::ReplyUnreadable, {},
                       ErrorDetail(DetailPhrase::NoAdjustmentResult));
    }
    SessionError error = reply.error();
    error.messageCode = code::kReplyError;
    return error;
}

SessionResult<TestPrintResult> PrinterSession::printTest(TestPrint print) {
    Call call(*this, print == TestPrint::SelfTest ? ExchangeTask::SelfTest : ExchangeTask::Sample);
    OpenInterface open(*this, OpenPurpose::Send);
    if (open.error()) return *open.error();
    std::string request;
    BuildRequest(request, RequestKind::StandardConfig, EmulationKind::Native);
    if (auto error = open.write(FrameForPrinter(RequestKind::StandardConfig, request)))
        return *error;
    // A printer that does not say its language is sent nothing to print. Its read error comes back
    // without a message code: the window says nothing then, the command line tool says why.
    SessionResult<std::string> reply = open.read(RequestKind::AllConfig);
    if (!reply) {
        SessionError error = reply.error();
        if (!reply.cancelled()) error.messageCode = code::kNone;
        return error;
    }
    const PrinterLanguage language = LanguageOfReply(*reply);
    const std::string_view command = PrintCommand(print, language);
    if (command.empty()) return TestPrintResult::LanguageWithoutCommand;
    if (token_.cancelled()) return open.cancelled();
    if (auto error = open.write(command)) return *error;
    return TestPrintResult::Printed;
}

SessionResult<Done> PrinterSession::printFile(const std::string& path) {
    Call call(*this, ExchangeTask::PrintFile);
    OpenInterface open(*this, OpenPurpose::Send);
    if (open.error()) return *open.error();
    int osError = 0;
    std::unique_ptr<InputFile> file = InputFile::Open(path, &osError);
    if (!file)
        return failure(code::kPrintFileError, FailureCause::PrintFileUnreadable,
                       ChannelResult::System(osError),
                       ErrorDetail(DetailPhrase::PrintFileUnreadable).text("file", path));
    const uint64_t total = file->Size().value_or(0);
    uint64_t sent = 0;
    char block[kPrintFileBlock];
    for (;;) {
        // A cancel between two blocks sends no further block.
        if (token_.cancelled()) return open.cancelled();
        if (setup_.io) setup_.io->callProgress(sent, total);
        const long n = file->Read(block, &osError);
        if (n < 0)
            return failure(code::kPrintFileError, FailureCause::PrintFileUnreadable,
                           ChannelResult::System(osError),
                           ErrorDetail(DetailPhrase::PrintFileUnreadable).text("file", path));
        if (n == 0) return Done{};
        if (auto error = open.write(std::string_view(block, static_cast<size_t>(n)))) return *error;
        sent += static_cast<uint64_t>(n);
    }
}

} // namespace tessaline
