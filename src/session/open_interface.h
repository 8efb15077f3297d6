#pragma once

// The steps of one exchange of a printer session: a call, and the interface it opens.

#include "session/printer_session.h"

#include <optional>

namespace tessaline {

// Marks the session busy for one call, so that cancel() reaches it, and tells the runner what the
// call does and how to cancel it.
class PrinterSession::Call {
public:
    Call(PrinterSession& session, ExchangeTask task);
    ~Call();
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    PrinterSession& s_;
};

// The interface of one exchange, open from construction to close(); closed at the latest when
// it goes out of scope. A failed open may still hold a half-opened port, so that is closed too.
class PrinterSession::OpenInterface {
public:
    // Direct exchanges refuse a selection of no kind the program can open with code 40; a send
    // tries to open whatever is selected and reports a failure as an open error.
    enum class Unopenable { NoInterface, OpenError };
    OpenInterface(PrinterSession& session, OpenPurpose purpose,
                  Unopenable unopenable = Unopenable::NoInterface);
    ~OpenInterface() { close(); }
    OpenInterface(const OpenInterface&) = delete;
    OpenInterface& operator=(const OpenInterface&) = delete;

    const std::optional<SessionError>& error() const { return error_; }
    // Every byte goes out, or the error to report.
    std::optional<SessionError> write(std::string_view bytes);
    // One reply, complete as `completion` defines it; an empty reply counts as none.
    SessionResult<std::string> read(RequestKind completion);
    void close();
    // The error of a call the person cancelled.
    SessionError cancelled() const;

private:
    PrinterSession& s_;
    bool opened_ = false;
    std::optional<SessionError> error_;
};

} // namespace tessaline
