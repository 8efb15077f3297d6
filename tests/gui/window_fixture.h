#pragma once

// The real main window over a main window model wired to a simulated printer over loopback TCP,
// with a scripted person answering the questions.

#include "app/main_window.h"
#include "config/advanced_confirmed.h"
#include "gui/brightwick_dlg.h"
#include "gui/qt_io_runner.h"
#include "platform/atomic_file.h"
#include "support/scripted_prompter.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "support/window_services.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// One application object for the whole test program, on the offscreen platform. It is never
// destroyed: Qt's own objects that end at exit must not outlive it.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    // Starts the simulator and a window whose saved interface is its TCP address.
    void start(const std::string& advancedTab = "OFF") {
        sim_ = std::make_unique<SimProcess>(
            std::vector<std::string>{"--tcp", "127.0.0.1:0", "--record", recordPath()});
        ASSERT_TRUE(sim_->running());
        app_.current.portType = tessaline::PortType::Network;
        app_.current.portName = "127.0.0.1";
        app_.current.portNumber = std::to_string(sim_->port());
        app_.current.advancedTab = advancedTab;
        tessaline::AdvancedConfirmed = 0;
        app_.configFolder = tree_.path();
        app_.programFolder = tree_.path();
        const tessaline::ChannelSetup setup = testChannelSetup(tree_);
        channel_ = std::make_unique<tessaline::CPortChannel>(setup);
        tessaline::MainWindowServices services =
            testServices(person_, io_, *channel_, spooler_, setup, "tessaline-gui-test-recv-");
        model_ = std::make_unique<tessaline::MainWindowModel>(app_, services);
        window_ = std::make_unique<tessaline::gui::CBrightwickDlg>(*model_, nullptr, person_);
        io_.setParentWindow(window_.get());
        window_->show();
    }

    template <typename T> T* control(int id) const {
        return qobject_cast<T*>(window_->control(id));
    }

    std::string recordPath() const { return tree_.path("record.bin"); }
    std::string recorded() const {
        std::string bytes;
        tessaline::readWholeFile(recordPath(), bytes);
        return bytes;
    }

    TempTree tree_;
    ScriptedPrompter person_;
    tessaline::gui::QtIoRunner io_;
    tessaline::PrintSpooler spooler_;
    tessaline::ApplicationState app_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<tessaline::CPortChannel> channel_;
    std::unique_ptr<tessaline::MainWindowModel> model_;
    std::unique_ptr<tessaline::gui::CBrightwickDlg> window_;
};
