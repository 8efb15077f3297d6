#pragma once

// A main window model wired to a simulated printer with a scripted person. The printer is
// reached over loopback TCP, over a pseudo-terminal listed as a serial port of a temporary
// device tree, or through a queue of a private print spooler whose port is the simulator's
// TCP address.

#include "app/main_window.h"
#include "platform/atomic_file.h"
#include "support/private_cupsd.h"
#include "support/recording_io_runner.h"
#include "support/scripted_prompter.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "support/window_services.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

// How the window reaches the simulator.
enum class Link { Tcp, Serial, Queue };

inline const char* linkName(Link link) {
    switch (link) {
    case Link::Tcp:
        return "tcp";
    case Link::Serial:
        return "serial";
    default:
        return "queue";
    }
}

class FlowTest : public ::testing::Test {
protected:
    static constexpr const char* kQueueName = "rv-queue";

    // Starts the simulator with `simArgs` and a window whose interface reaches it over `link`.
    // False (the test should end) when the link cannot be had here.
    bool start(std::vector<std::string> simArgs = {}, Link link = Link::Tcp) {
        simArgs.insert(simArgs.begin(), {"--record", recordPath()});
        if (link == Link::Serial) {
            tree_.folder("dev");
            tree_.folder("sys/class/tty/ttyUSB0/device");
            simArgs.insert(simArgs.begin(), {"--pty", serialPath()});
        } else {
            simArgs.insert(simArgs.begin(), {"--tcp", "127.0.0.1:0"});
        }
        sim_ = std::make_unique<SimProcess>(simArgs);
        EXPECT_TRUE(sim_->running());
        if (!sim_->running()) return false;
        switch (link) {
        case Link::Tcp:
            app_.current.portType = tessaline::PortType::Network;
            app_.current.portName = "127.0.0.1";
            app_.current.portNumber = std::to_string(sim_->port());
            break;
        case Link::Serial:
            app_.current.portType = tessaline::PortType::Serial;
            app_.current.portName = serialPath();
            break;
        case Link::Queue:
            if (!startSpooler()) return false;
            EXPECT_TRUE(
                cupsd_->addQueue(kQueueName, "socket://127.0.0.1:" + std::to_string(sim_->port())));
            app_.current.portType = tessaline::PortType::Printer;
            app_.current.portName = kQueueName;
            break;
        }
        openWindow();
        return true;
    }

    // A private spooler; false when cupsd is not installed.
    bool startSpooler() {
        if (!PrivateCupsd::installed()) return false;
        cupsd_ = std::make_unique<PrivateCupsd>();
        EXPECT_TRUE(cupsd_->running());
        return cupsd_->running();
    }

    void openWindow() {
        tessaline::MainWindowServices services =
            testServices(app_, tree_, person_, io_, session_, spooler_, "tessaline-test-recv-");
        services.queuesListedLater = queuesListedLater_;
        services.showSelfInfo = [this](const tessaline::SelfInfoTexts& texts) {
            selfInfo_ = texts;
        };
        window_ = std::make_unique<tessaline::MainWindowModel>(app_, services);
        window_->Initialise();
    }

    // Back to the state before start(), for the next case of a table.
    void reset() {
        window_.reset();
        session_.reset();
        cupsd_.reset();
        sim_.reset();
        person_ = {};
        io_.activities.clear();
        app_ = {};
        selfInfo_.reset();
        ::unlink(recordPath().c_str());
    }
    // Forgets what the simulator received so far (it keeps appending to the same file).
    void clearRecord() const { ::truncate(recordPath().c_str(), 0); }

    std::string serialPath() const { return tree_.path("dev/ttyUSB0"); }
    std::string recordPath() const { return tree_.path("record.bin"); }
    std::string recorded() const {
        std::string bytes;
        tessaline::readWholeFile(recordPath(), bytes);
        return bytes;
    }
    // The bytes the simulator received, once `done` holds for them (or after five seconds; the
    // spooler hands its jobs over in its own time).
    template <typename Done> std::string recordedWhen(Done done) const {
        std::string bytes = recorded();
        for (int i = 0; i < 250 && !done(bytes); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            bytes = recorded();
        }
        return bytes;
    }
    // What the simulator received with its connection markers taken out.
    std::string wire() const {
        std::string bytes = recorded();
        for (;;) {
            const auto at = bytes.find("\n=== connection ");
            if (at == std::string::npos) return bytes;
            bytes.erase(at, bytes.find(" ===\n", at) + 5 - at);
        }
    }
    // What the simulator received, once it holds `part` (a Send awaits no reply, so the
    // simulator may still be reading when the flow returns).
    std::string wireWith(std::string_view part) const {
        std::string bytes = wire();
        for (int i = 0; i < 250 && bytes.find(part) == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            bytes = wire();
        }
        return bytes;
    }
    // The message codes shown, in order.
    std::vector<int> codes() const {
        std::vector<int> found;
        for (const auto& m : person_.messages()) {
            const auto at = m.find("code : ");
            if (at != std::string::npos) found.push_back(std::atoi(m.c_str() + at + 7));
        }
        return found;
    }

    TempTree tree_;
    ScriptedPrompter person_;
    RecordingIoRunner io_; // counts the sends and every other blocking step the flows run
    tessaline::PrintSpooler spooler_;
    tessaline::ApplicationState app_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<PrivateCupsd> cupsd_;
    std::unique_ptr<tessaline::PrinterSession> session_;
    bool queuesListedLater_ = false; // as the windows do: the test hands the table over
    std::unique_ptr<tessaline::MainWindowModel> window_;
    std::optional<tessaline::SelfInfoTexts> selfInfo_;
};
