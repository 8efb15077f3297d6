#pragma once

// The real main window over a main window model wired to a simulated printer over loopback TCP,
// with a scripted person answering the questions.

#include "app/main_window.h"
#include "gui/brightwick_dlg.h"
#include "gui/compact_style.h"
#include "gui/dlg_self_info.h"
#include "gui/qt_io_runner.h"
#include "platform/atomic_file.h"
#include "support/recording_io_runner.h"
#include "support/scripted_prompter.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"
#include "support/window_services.h"

#include <QApplication>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One application object for the whole test program, on the offscreen platform. It is never
// destroyed: Qt's own objects that end at exit must not outlive it.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        tessaline::gui::UseCompactStyle(*created);
        return created;
    }();
    return *app;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }

    // Starts the simulator (with `simArgs`) and a window whose saved interface is its TCP
    // address.
    void start(const std::string& advancedTab = "OFF", std::vector<std::string> simArgs = {}) {
        simArgs.insert(simArgs.begin(), {"--tcp", "127.0.0.1:0", "--record", recordPath()});
        sim_ = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim_->running());
        app_.current.portType = tessaline::PortType::Network;
        app_.current.portName = "127.0.0.1";
        app_.current.portNumber = std::to_string(sim_->port());
        app_.current.advancedTab = advancedTab;
        openWindow();
    }

    // The window over the saved settings in app_, without starting a simulator.
    void openWindow() {
        tessaline::MainWindowServices services = testServices(
            app_, tree_, person_, ioLog_, session_, spooler_, "tessaline-gui-test-recv-");
        services.showSelfInfo = [this](const tessaline::SelfInfoTexts& texts) {
            window_->showSelfInfo(texts);
        };
        services.windowClosing = [this] { return io_.closePending(); };
        model_ = std::make_unique<tessaline::MainWindowModel>(app_, services);
        window_ = std::make_unique<tessaline::gui::CBrightwickDlg>(*model_, nullptr, person_);
        io_.setParentWindow(window_.get());
        io_.setLanguage([this] { return model_->region(); });
        window_->show();
    }

    // Back to the state before start(), for the next case of a table.
    void reset() {
        window_.reset();
        model_.reset();
        session_.reset();
        sim_.reset();
        person_ = ScriptedPrompter();
        ioLog_.activities.clear();
        std::error_code ignored;
        std::filesystem::remove(recordPath(), ignored);
    }

    template <typename T> T* control(int id) const {
        return qobject_cast<T*>(window_->control(id));
    }

    // Shows the page of `tab` as a click on its tab does.
    void showTab(tessaline::TabIndex tab) {
        const auto tabs = model_->tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i] == tab) window_->tabBar()->setCurrentIndex(static_cast<int>(i));
        }
        ASSERT_EQ(model_->tab(), tab);
    }

    // Runs `act` on the self-information dialog once it is open: the dialog runs modally inside
    // the click that opened it. A dialog still open afterwards is closed.
    void whenSelfInfoOpens(std::function<void(tessaline::gui::CDlgSelfInfo&)> act) {
        auto* timer = new QTimer(window_.get());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
            auto* dialog =
                qobject_cast<tessaline::gui::CDlgSelfInfo*>(QApplication::activeModalWidget());
            if (!dialog) return;
            timer->stop();
            timer->deleteLater();
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        timer->start();
    }

    std::string recordPath() const { return tree_.path("record.bin"); }
    std::string recorded() const {
        std::string bytes;
        tessaline::readWholeFile(recordPath(), bytes);
        return bytes;
    }
    // What the simulator received, without its connection markers; stop it first to have all.
    std::string wire() const {
        std::string bytes = recorded();
        for (auto at = bytes.find("\n=== connection "); at != std::string::npos;
             at = bytes.find("\n=== connection "))
            bytes.erase(at, bytes.find(" ===\n", at) + 5 - at);
        return bytes;
    }

    TempTree tree_;
    ScriptedPrompter person_;
    tessaline::gui::QtIoRunner io_;
    RecordingIoRunner ioLog_{io_}; // the window's own runner, with a log
    tessaline::PrintSpooler spooler_;
    tessaline::ApplicationState app_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<tessaline::PrinterSession> session_;
    std::unique_ptr<tessaline::MainWindowModel> model_;
    std::unique_ptr<tessaline::gui::CBrightwickDlg> window_;
};
