// Sixty-four sessions on sixty-four threads, each with a simulated printer of its own: healthy
// ones of every model and serial number, and silent, closing and garbling ones. Every session
// must get its own printer's replies, or the error its printer's fault calls for, and every
// printer must have received exactly its own session's bytes.

#include "config/printer_models.h"
#include "platform/code_page.h"
#include "session/printer_session.h"
#include "session_fixture.h"

#include <array>
#include <gtest/gtest.h>
#include <latch>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace tessaline::session_test {
namespace {

constexpr int kPrinters = 64;

enum class Behaviour { Healthy, Silent, Closing, Garbage, GarbageEnded };

// The calls each session makes, in this order.
enum Call { ReceiveBefore, Status, Counters, MachineInfo, Send, ReceiveAfter, kCalls };
constexpr std::array<const char*, kCalls> kCallNames = {
    "receive", "status", "counters", "machine information", "send", "receive after send"};

// What a call must give.
enum class Expect {
    Reply,            // the printer's own reply (see expectedReply)
    NoReplyInTime,    // 82: nothing complete came before the read time-out
    NoReplyClosed,    // 82: the printer closed the connection
    ClosedOrCutReply, // a reply that ends on silence: the cut reply, or the closed connection
    Unrecognised,     // 32: a complete reply that is no configuration
    NoEndLine,        // 82: a reply that ends in "END" CR LF, but not on a line of its own
};

const std::map<Behaviour, std::array<Expect, kCalls>> kExpected = {
    {Behaviour::Healthy,
     {Expect::Reply, Expect::Reply, Expect::Reply, Expect::Reply, Expect::Reply, Expect::Reply}},
    {Behaviour::Silent,
     {Expect::NoReplyInTime, Expect::NoReplyInTime, Expect::NoReplyInTime, Expect::NoReplyInTime,
      Expect::Reply, Expect::NoReplyInTime}},
    {Behaviour::Closing,
     {Expect::NoReplyClosed, Expect::ClosedOrCutReply, Expect::ClosedOrCutReply,
      Expect::NoReplyClosed, Expect::Reply, Expect::NoReplyClosed}},
    // Garbage never ends like a configuration or machine information reply, so those reads
    // run out of time; the replies that end on silence end with it.
    {Behaviour::Garbage,
     {Expect::NoReplyInTime, Expect::Reply, Expect::Reply, Expect::NoReplyInTime, Expect::Reply,
      Expect::NoReplyInTime}},
    // Garbage followed by "END" CR LF completes the read, and is then no configuration; as
    // machine information it lacks an END line of its own and is refused as incomplete.
    {Behaviour::GarbageEnded,
     {Expect::Unrecognised, Expect::Reply, Expect::Reply, Expect::NoEndLine, Expect::Reply,
      Expect::Unrecognised}},
};

const std::string kGarbage = "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl";
const std::string kEndLine = "END\r\n";

// One simulated printer of the test, told apart by its serial number, model and paper state.
struct Printer {
    int number = 0;
    Behaviour behaviour = Behaviour::Healthy;

    std::string serial() const { return "SN" + std::to_string(1000 + number); }
    int model() const { return number % static_cast<int>(modelNames().size()); }
    bool paperOut() const { return number % 3 == 0; }
    // Half the sessions name their printer by host name, which is then looked up.
    std::string address() const { return number % 2 ? "localhost" : "127.0.0.1"; }
    // A host name with a letter outside ASCII, which goes to the printer in the code page, so
    // that every session converts at once.
    std::string hostName() const { return "H\u00D6ST" + std::to_string(number); }
    std::string hostNameOnWire() const { return toAnsi(hostName()); }
    std::string configText() const { return "HOST NAME\t:\t" + hostName() + "\r\nEND\r\n"; }

    std::vector<std::string> switches() const {
        std::vector<std::string> s = {"--serial", serial(), "--model", std::to_string(model())};
        if (paperOut()) s.insert(s.end(), {"--status", "paper"});
        switch (behaviour) {
        case Behaviour::Silent:
            s.push_back("--silent");
            break;
        case Behaviour::Closing:
            s.push_back("--close-mid-reply");
            break;
        case Behaviour::Garbage:
            s.push_back("--garbage");
            break;
        case Behaviour::GarbageEnded:
            s.insert(s.end(), {"--garbage", "--after-reply", kEndLine});
            break;
        default:
            break;
        }
        return s;
    }

    std::string statusReply() const { return paperOut() ? "NYNNNNNN\r\n" : "NNNNNNNN\r\n"; }
    std::string countersReply() const {
        return "Serial Number : " + serial() +
               "\r\nPrint Counter Length 1234 m\r\nService Counter Length 567 m\r\n"
               "Cut Counter 89\r\n";
    }

    // The bytes the printer must have received, one string per connection.
    std::vector<std::string> requests() const {
        const std::string all = framed("SEND CONFIG\t:\tALL\r\nEXIT\r\n");
        return {all,
                "\x01"
                "A",
                framed("SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\n"
                       "CUT COUNTER:\r\nEXIT\r\n"),
                framed("SEND MACHINE INFO\r\nEXIT\r\n"),
                framed("HOST NAME\t:\t" + hostNameOnWire() + "\r\nEND\r\n"),
                all};
    }
};

Behaviour behaviourOf(int number) {
    constexpr std::array<Behaviour, 8> kMix = {
        Behaviour::Healthy, Behaviour::Silent,  Behaviour::Healthy, Behaviour::Closing,
        Behaviour::Healthy, Behaviour::Garbage, Behaviour::Healthy, Behaviour::GarbageEnded};
    return kMix[static_cast<size_t>(number) % kMix.size()];
}

// A reply is expected to hold this text; `exact` when it must be nothing else.
struct ReplyText {
    std::string text;
    bool exact = false;
};

ReplyText expectedReply(const Printer& p, Call call) {
    if (call == Send) return {"", true};
    if (p.behaviour == Behaviour::Garbage) return {kGarbage, true};
    if (p.behaviour == Behaviour::GarbageEnded) return {kGarbage + kEndLine, true};
    switch (call) {
    case ReceiveBefore:
        return {"\r\nHOST NAME\t:\tPRINTSERVERXXYYZZ\r\n"};
    case ReceiveAfter:
        return {"\r\nHOST NAME\t:\t" + p.hostNameOnWire() + "\r\n"};
    case Status:
        return {p.statusReply(), true};
    case Counters:
        return {p.countersReply(), true};
    default: {
        const std::string_view model = modelNames()[static_cast<size_t>(p.model())];
        return {"\r\nModel Number\t:\t" + std::string(model.substr(0, model.find(' '))) +
                "\r\nSerial Number\t:\t" + p.serial() + " "};
    }
    }
}

// One call's outcome: its reply, or its error.
struct Outcome {
    bool ok = false;
    std::string reply;
    SessionError error;
};

Outcome outcomeOf(const SessionResult<std::string>& r) {
    return r ? Outcome{true, *r, {}} : Outcome{false, {}, r.error()};
}
Outcome outcomeOf(const SessionResult<ConfigurationReply>& r) {
    return r ? Outcome{true, r->reply, {}} : Outcome{false, {}, r.error()};
}
Outcome outcomeOf(const SessionResult<Done>& r) {
    return r ? Outcome{true, {}, {}} : Outcome{false, {}, r.error()};
}

bool failedWith(const Outcome& o, int messageCode, FailureCause cause, ChannelCode channel) {
    return !o.ok && o.error.messageCode == messageCode && o.error.cause == cause &&
           o.error.channel == channel;
}

// Empty when the outcome is what the printer calls for, else what is wrong.
std::string mismatch(const Printer& p, Call call, const Outcome& o) {
    const ReplyText wanted = expectedReply(p, call);
    const bool replyFits = o.ok && (wanted.exact ? o.reply == wanted.text
                                                 : o.reply.find(wanted.text) != std::string::npos);
    const bool closed = failedWith(o, code::kReceptionError, FailureCause::NoReply,
                                   ChannelCode::DeviceNotConnected);
    bool fits = false;
    switch (kExpected.at(p.behaviour)[call]) {
    case Expect::Reply:
        fits = replyFits;
        break;
    case Expect::NoReplyInTime:
        fits =
            failedWith(o, code::kReceptionError, FailureCause::NoReply, ChannelCode::WaitTimeout);
        break;
    case Expect::NoReplyClosed:
        fits = closed;
        break;
    case Expect::ClosedOrCutReply:
        fits = closed || (o.ok && !o.reply.empty() && o.reply.size() < wanted.text.size() &&
                          wanted.text.compare(0, o.reply.size(), o.reply) == 0);
        break;
    case Expect::Unrecognised:
        fits = failedWith(o, code::kReplyError, FailureCause::ReplyUnrecognised, ChannelCode::Ok);
        break;
    case Expect::NoEndLine:
        fits = failedWith(o, code::kReceptionError, FailureCause::ReplyIncomplete, ChannelCode::Ok);
        break;
    }
    if (fits) return {};
    return o.ok ? "reply \"" + o.reply.substr(0, 200) + "\""
                : "error " + std::to_string(o.error.messageCode) + ", channel " +
                      std::to_string(static_cast<uint32_t>(o.error.channel.code)) + " (" +
                      RenderDetail(o.error.detail, Region::English) + ")";
}

// What one session did, and what its printer received.
struct SessionRun {
    std::vector<Outcome> outcomes;
    std::vector<std::string> received;
};

// The shortened waits, but with room for a loaded machine in the two that a healthy printer must
// keep: its echo reply, and its reply to a request, counted from the start of the read. Sixty-four
// threads and simulators share two cores here, the more so under a sanitizer.
SessionSetup manySessionsSetup() {
    SessionSetup setup = fastSetup();
    setup.channel.timings.echoLimit = Millis(500);
    setup.channel.timings.socketReadTimeout = Millis(500);
    return setup;
}

void runSession(const Printer& p, RecordedPrinter& printer, std::latch& start, SessionRun& run) {
    PrinterSession session(manySessionsSetup());
    ChannelSelection selection = printer.selection();
    selection.portName = p.address();
    session.select(selection);
    start.arrive_and_wait();
    run.outcomes.push_back(outcomeOf(session.receiveConfiguration(RequestKind::AllConfig, false)));
    run.outcomes.push_back(outcomeOf(session.status(EmulationKind::Native)));
    run.outcomes.push_back(outcomeOf(session.counters()));
    run.outcomes.push_back(outcomeOf(session.machineInformation()));
    run.outcomes.push_back(outcomeOf(session.sendConfiguration(p.configText())));
    run.outcomes.push_back(outcomeOf(session.receiveConfiguration(RequestKind::AllConfig, false)));
    run.received = printer.received();
}

// Raises the soft limit of open files while the test runs, within the hard limit, and puts it
// back afterwards.
class OpenFileLimit {
public:
    explicit OpenFileLimit(rlim_t wanted) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit raised = saved_;
        raised.rlim_cur = std::max(saved_.rlim_cur, std::min(wanted, saved_.rlim_max));
        ok_ = raised.rlim_cur >= wanted && ::setrlimit(RLIMIT_NOFILE, &raised) == 0;
    }
    ~OpenFileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }
    OpenFileLimit(const OpenFileLimit&) = delete;
    OpenFileLimit& operator=(const OpenFileLimit&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    bool ok_ = false;
};

TEST(ManySessions, SixtyFourPrintersAtOnceEachGetTheirOwnRepliesAndErrors) {
    // Each printer holds two pipes to its simulator here, a socket and an echo socket at a time.
    OpenFileLimit files(kPrinters * 8);
    ASSERT_TRUE(files.ok()) << "the open-file limit cannot be raised far enough";

    std::vector<Printer> printers;
    for (int i = 0; i < kPrinters; ++i)
        printers.push_back({i, behaviourOf(i)});
    // A few threads start the simulators, which takes a while under a sanitizer.
    std::vector<std::unique_ptr<RecordedPrinter>> simulators(kPrinters);
    {
        constexpr int kStarters = 4;
        std::vector<std::thread> starters;
        for (int s = 0; s < kStarters; ++s)
            starters.emplace_back([&, s] {
                for (int i = s; i < kPrinters; i += kStarters)
                    simulators[i] = std::make_unique<RecordedPrinter>(printers[i].switches());
            });
        for (std::thread& t : starters)
            t.join();
    }
    for (int i = 0; i < kPrinters; ++i)
        ASSERT_TRUE(simulators[i]->running()) << "printer " << i;

    std::vector<SessionRun> runs(kPrinters);
    std::latch start(kPrinters);
    std::vector<std::thread> threads;
    for (int i = 0; i < kPrinters; ++i)
        threads.emplace_back(runSession, std::cref(printers[i]), std::ref(*simulators[i]),
                             std::ref(start), std::ref(runs[i]));
    for (std::thread& t : threads)
        t.join();

    for (int i = 0; i < kPrinters; ++i) {
        const Printer& p = printers[i];
        ASSERT_EQ(runs[i].outcomes.size(), static_cast<size_t>(kCalls));
        for (int call = 0; call < kCalls; ++call)
            EXPECT_EQ(mismatch(p, static_cast<Call>(call), runs[i].outcomes[call]), "")
                << "printer " << i << ", " << kCallNames[call];
        EXPECT_EQ(runs[i].received, p.requests()) << "printer " << i;
    }
}

} // namespace
} // namespace tessaline::session_test
