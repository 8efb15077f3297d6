#pragma once

#include "app/main_window.h"

namespace tessaline {

// Points the window's printer session at the chosen interface for one direct exchange. A print
// queue selection moves to the port behind the queue for the exchange and back afterwards (at
// the latest when this goes out of scope), so the window shows the port while it is used.
class MainWindowModel::DirectChoice {
public:
    explicit DirectChoice(MainWindowModel& window);
    ~DirectChoice() { restore(); }
    DirectChoice(const DirectChoice&) = delete;
    DirectChoice& operator=(const DirectChoice&) = delete;

    PrinterSession& session() { return *w_.services_.session; }
    // Returns the selection to the queue it started from.
    void restore();

private:
    MainWindowModel& w_;
    bool fromDriver_ = false;
};

} // namespace tessaline
