#pragma once

#include "app/main_window.h"
#include "transport/channel_result.h"

#include <string>
#include <string_view>

namespace tessaline {

// One direct exchange with the printer: switches a print queue selection to its port, opens the
// interface, writes and reads through the IoRunner, and puts everything back when it ends.
struct MainWindowModel::Exchange {
    explicit Exchange(MainWindowModel& window) : w(window) {}
    ~Exchange() { finish(); }
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    // 0 when open; else the message code to show (30 open failed, 40 no interface).
    int open(OpenPurpose purpose);
    // Ok when every byte went out; else the channel's result (a short write counts as Busy).
    ChannelResult write(std::string_view bytes);
    // Reads one reply; false when the read failed or brought no byte.
    bool read(RequestKind completion, std::string& reply);
    // Closes the interface and returns the selection to the queue it started from.
    void finish();

    MainWindowModel& w;
    ChannelSelection selection;
    bool fromDriver = false;
    bool opened = false;
    bool finished = false;
};

} // namespace tessaline
