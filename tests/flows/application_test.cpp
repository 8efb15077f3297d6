#include "app/application.h"

#include "platform/atomic_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_tree.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace tessaline {
namespace {

class ApplicationTest : public ::testing::Test {
protected:
    CBrightwickApp::Options options() const {
        CBrightwickApp::Options o;
        o.programFolder = tree_.path();
        o.configFolder = tree_.path();
        o.lockName = "tessaline-test-app-" + std::to_string(::getpid());
        o.primaryLanguage = 0x09;
        return o;
    }
    std::unique_ptr<MainWindowModel> openWindow(CBrightwickApp& app) {
        MainWindowServices services;
        services.prompter = &person_;
        session_ = std::make_unique<PrinterSession>(SessionSetup{{}, &spooler_, &io_});
        services.session = session_.get();
        services.spooler = &spooler_;
        services.discovery = DeviceDiscovery(tree_.path("sys"), tree_.path("dev"));
        auto window = std::make_unique<MainWindowModel>(app.state(), services);
        window->Initialise();
        return window;
    }

    TempTree tree_;
    ScriptedPrompter person_;
    InlineIoRunner io_;
    PrintSpooler spooler_;
    std::unique_ptr<PrinterSession> session_;
};

TEST_F(ApplicationTest, ASecondCopyDoesNotStart) {
    CBrightwickApp first(options());
    ASSERT_TRUE(first.InitInstance());
    CBrightwickApp second(options());
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.lockError().cause, LockFailure::HeldByAnother);
    first.ReleaseInstance();
    EXPECT_TRUE(second.InitInstance());
}

TEST_F(ApplicationTest, ExitWritesOnlyWhatChangedAndOnlyAfterYes) {
    tree_.write("Tessaline.ini", "[Tessaline]\nREGION=0\nAPP_MODE=QRVA\nPORT_TYPE=PRT\n");
    CBrightwickApp app(options());
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.state().loaded.appMode, "QRVA");
    auto window = openWindow(app);
    window->ChangeLanguage(Region::Japanese);

    person_.answers = {false};
    EXPECT_FALSE(app.ConfirmExitAndSave(*window, person_));
    EXPECT_FALSE(fileExists(tree_.path("Recent.dat")));

    person_.answers = {true};
    EXPECT_TRUE(app.ConfirmExitAndSave(*window, person_));
    std::string ini;
    ASSERT_TRUE(readWholeFile(tree_.path("Tessaline.ini"), ini));
    const ProfileFile file = ProfileFile::fromBytes(ini, nullptr);
    EXPECT_EQ(file.text(), "[Tessaline]\r\nREGION=1\r\nAPP_MODE=QRVA\r\nPORT_TYPE=PRT\r\n");

    std::string recent;
    ASSERT_TRUE(readWholeFile(tree_.path("Recent.dat"), recent));
    EXPECT_EQ(recent.substr(0, CommandPrefix.size()), CommandPrefix);
    EXPECT_TRUE(recent.ends_with("END\r\n"));

    // The next start reads the last configuration back without a word.
    app.ReleaseInstance();
    CBrightwickApp next(options());
    ASSERT_TRUE(next.InitInstance());
    EXPECT_EQ(next.state().loaded.region, 1);
    person_.shown.clear();
    auto reopened = openWindow(next);
    EXPECT_TRUE(person_.shown.empty());
    EXPECT_GE(reopened->standard.rows().state(standard_row::kPrintSpeed).valueIndex, 0);
}

} // namespace
} // namespace tessaline
