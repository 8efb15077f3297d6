#pragma once

// A main window model wired to a simulated printer over loopback TCP, with a scripted person.

#include "app/main_window.h"
#include "config/advanced_confirmed.h"
#include "platform/atomic_file.h"
#include "support/scripted_prompter.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <memory>

class FlowTest : public ::testing::Test {
protected:
    // Starts the simulator with `simArgs` and a window whose interface is its TCP address.
    void start(std::vector<std::string> simArgs = {}) {
        simArgs.insert(simArgs.begin(), {"--tcp", "127.0.0.1:0", "--record", recordPath()});
        sim_ = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim_->running());
        app_.current.portType = tessaline::PortType::Network;
        app_.current.portName = "127.0.0.1";
        app_.current.portNumber = std::to_string(sim_->port());
        openWindow();
    }

    void openWindow() {
        tessaline::AdvancedConfirmed = 0;
        app_.configFolder = tree_.path();
        app_.programFolder = tree_.path();
        tessaline::ChannelSetup setup;
        setup.timings = tessaline::ChannelTimings{}.scaled(0.2);
        setup.handOverQueues = false;
        setup.discovery = tessaline::DeviceDiscovery(tree_.path("sys"), tree_.path("dev"));
        channel_ = std::make_unique<tessaline::CPortChannel>(setup);
        tessaline::MainWindowServices services;
        services.prompter = &person_;
        services.io = &io_;
        services.channel = channel_.get();
        services.spooler = &spooler_;
        services.discovery = setup.discovery;
        services.receiveLockName = "tessaline-test-recv-" + std::to_string(::getpid());
        services.selfInfoPollInterval = std::chrono::milliseconds(10);
        services.selfInfoPolls = 5;
        services.showSelfInfo = [this](const tessaline::SelfInfoTexts& texts) {
            selfInfo_ = texts;
        };
        window_ = std::make_unique<tessaline::MainWindowModel>(app_, services);
        window_->Initialise();
    }

    std::string recordPath() const { return tree_.path("record.bin"); }
    std::string recorded() const {
        std::string bytes;
        tessaline::readWholeFile(recordPath(), bytes);
        return bytes;
    }

    TempTree tree_;
    ScriptedPrompter person_;
    tessaline::InlineIoRunner io_;
    tessaline::PrintSpooler spooler_;
    tessaline::ApplicationState app_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<tessaline::CPortChannel> channel_;
    std::unique_ptr<tessaline::MainWindowModel> window_;
    std::optional<tessaline::SelfInfoTexts> selfInfo_;
};
