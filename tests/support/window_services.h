#pragma once

// How the tests wire a main window model: time-outs scaled down, no queue hand-over, device
// discovery inside the test's own tree, a receive lock of the test's own.

#include "app/main_window.h"
#include "support/temp_tree.h"

#include <string>
#include <unistd.h>

inline tessaline::ChannelSetup testChannelSetup(const TempTree& tree) {
    tessaline::ChannelSetup setup;
    setup.timings = tessaline::ChannelTimings{}.scaled(0.2);
    setup.handOverQueues = false;
    setup.discovery = tessaline::DeviceDiscovery(tree.path("sys"), tree.path("dev"));
    return setup;
}

inline tessaline::MainWindowServices
testServices(tessaline::Prompter& person, tessaline::IoRunner& io, tessaline::CPortChannel& channel,
             const tessaline::PrintSpooler& spooler, const tessaline::ChannelSetup& setup,
             const std::string& lockPrefix) {
    tessaline::MainWindowServices services;
    services.prompter = &person;
    services.io = &io;
    services.channel = &channel;
    services.spooler = &spooler;
    services.discovery = setup.discovery;
    services.receiveLockName = lockPrefix + std::to_string(::getpid());
    return services;
}
