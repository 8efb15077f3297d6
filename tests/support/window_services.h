#pragma once

// How the tests wire a main window model: time-outs scaled down, no queue hand-over, device
// discovery inside the test's own tree, a receive lock of the test's own.

#include "app/main_window.h"
#include "support/temp_tree.h"

#include <memory>
#include <string>
#include <unistd.h>

inline tessaline::ChannelSetup testChannelSetup(const TempTree& tree) {
    tessaline::ChannelSetup setup;
    setup.timings = tessaline::ChannelTimings{}.scaled(0.2);
    setup.handOverQueues = false;
    setup.discovery = tessaline::DeviceDiscovery(tree.path("sys"), tree.path("dev"));
    return setup;
}

// Points the application's folders at the test's tree, makes the printer session and returns the
// services of a window over them.
inline tessaline::MainWindowServices
testServices(tessaline::ApplicationState& app, const TempTree& tree, tessaline::Prompter& person,
             tessaline::IoRunner& io, std::unique_ptr<tessaline::PrinterSession>& session,
             const tessaline::PrintSpooler& spooler, const std::string& lockPrefix) {
    app.configFolder = tree.path();
    app.programFolder = tree.path();
    const tessaline::ChannelSetup setup = testChannelSetup(tree);
    session =
        std::make_unique<tessaline::PrinterSession>(tessaline::SessionSetup{setup, &spooler, &io});
    tessaline::MainWindowServices services;
    services.prompter = &person;
    services.session = session.get();
    services.spooler = &spooler;
    services.discovery = setup.discovery;
    services.receiveLockName = lockPrefix + std::to_string(::getpid());
    return services;
}
