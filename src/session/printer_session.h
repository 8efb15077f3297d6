#pragma once

#include "config/configuration_stream.h"
#include "platform/print_spooler.h"
#include "session/io_runner.h"
#include "session/session_result.h"
#include "transport/cancel_token.h"
#include "transport/channel_selection.h"
#include "transport/port_channel.h"
#include "transport/request_kind.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// How a session reaches its printer and runs its steps.
struct SessionSetup {
    ChannelSetup channel;                  // time-outs, device discovery, queue hand-over
    const PrintSpooler* spooler = nullptr; // for printers behind a print queue; null: none
    IoRunner* io = nullptr;                // runs each blocking step; null: in place
};

// A configuration reply of the printer, recognised by its head and ready for an apply-mode parse.
struct ConfigurationReply {
    std::string reply; // the bytes as they came (code page)
    RecognisedStream stream;
};

// The printer's language, as the emulation query reports it.
enum class PrinterLanguage { Unknown = 0, Zpl = 1, Epl = 2, Native = 3 };

// The printer's language from a reply that names its emulation.
PrinterLanguage LanguageOfReply(std::string_view reply);

// The detail phrase that names a printer language.
DetailPhrase LanguagePhrase(PrinterLanguage language);

enum class SensorAdjustmentResult { Succeeded, Failed };

// What Print Test asks the printer to print.
enum class TestPrint { SelfTest, Sample };

// A printer that does not answer the question for its language gives a NoReply error without a
// message code: nothing was sent to print.
enum class TestPrintResult {
    Printed,
    LanguageWithoutCommand, // the printer's language has no such command: nothing was sent
};

// One printer: its interface, its channel, its model and its time-outs, with one call per printer
// operation. Each call opens the interface, exchanges, and closes it again, also after a failure;
// it returns its value or a SessionError. Calls of one session run one at a time; any number of
// sessions run at once on their own threads. `cancel()` may be called from any thread.
class PrinterSession {
public:
    explicit PrinterSession(SessionSetup setup);
    PrinterSession(const PrinterSession&) = delete;
    PrinterSession& operator=(const PrinterSession&) = delete;

    // The printer: a port, an address, or a print queue. Direct exchanges with a printer behind a
    // queue go to `portBehindQueue` (a selection of no kind when the queue's port is unknown).
    void select(const ChannelSelection& printer);
    void select(const ChannelSelection& queue, const ChannelSelection& portBehindQueue);
    const ChannelSelection& selection() const { return printer_; }

    // The configuration, request by request: StandardConfig (the Easy page's settings),
    // AllConfig (the whole configuration) or AdvancedConfig. A reply may begin with one stray byte
    // when `mayDropFirstByte`.
    SessionResult<ConfigurationReply> receiveConfiguration(RequestKind kind, bool mayDropFirstByte);
    SessionResult<std::string> status(EmulationKind emulation);
    SessionResult<std::string> counters();
    SessionResult<std::string> machineInformation();
    // Any request: its reply as it came; machine information only when it is whole.
    SessionResult<std::string> request(RequestKind kind, EmulationKind emulation);
    SessionResult<PrinterLanguage> machineEmulation();

    // A configuration text (ending with its END line): the command prefix and the text go to the
    // printer, or to a print queue as one RAW document. No reply is awaited.
    SessionResult<Done> sendConfiguration(std::string_view configText);
    // A configuration text ending with the automatic calibration lines; waits for the result.
    SessionResult<SensorAdjustmentResult> sensorAdjustment(std::string_view configText);
    SessionResult<TestPrintResult> printTest(TestPrint print);
    // The file as it is, in blocks.
    SessionResult<Done> printFile(const std::string& path);

    // Ends the call running now as soon as it can, with the interface closed; a call then
    // returns a Cancelled error. False, without effect, when no call runs.
    bool cancel();

    // What the channel has open now: nothing between calls.
    InterfaceKind openKind() const { return channel_.openKind(); }

    // The interface direct exchanges go to, as people name it.
    std::string interfaceText() const;

private:
    class Call;
    class OpenInterface;

    std::optional<SessionError> incomplete(std::string_view reply) const;
    // The error with its detail; the detail names the interface of direct exchanges unless it
    // names one already.
    SessionError failure(int messageCode, FailureCause cause, ChannelResult channel,
                         ErrorDetail detail) const;
    void run(std::string_view step, const std::function<void()>& work);

    SessionSetup setup_;
    CancelToken token_;
    CPortChannel channel_;
    ChannelSelection printer_;
    ChannelSelection direct_;
    std::mutex callMutex_;
    bool inCall_ = false;
};

} // namespace tessaline
