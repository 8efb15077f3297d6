#include "app/application.h"

#include "app/settings_messages.h"
#include "platform/atomic_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_tree.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
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

// Settings or the last configuration that cannot be saved: the person is told which file and
// why, and chooses between exiting without them and going back to the window.
TEST_F(ApplicationTest, AFailedSaveAsksWhetherToExitAnyway) {
    struct Case {
        const char* blocked; // a folder of this name stands where the file goes
        SettingsCause cause;
    };
    const Case cases[] = {{"Tessaline.ini", SettingsCause::NotAFile},
                          {"Recent.dat", SettingsCause::SystemError}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(tree_.path("Tessaline.ini"));
        std::filesystem::remove_all(tree_.path("Recent.dat"));
        tree_.folder(std::string(c.blocked) + "/inside");
        CBrightwickApp app(options());
        ASSERT_TRUE(app.InitInstance());
        auto window = openWindow(app);
        window->ChangeLanguage(Region::Japanese);
        person_.shown.clear();

        person_.answers = {true, false};
        EXPECT_FALSE(app.ConfirmExitAndSave(*window, person_)) << c.blocked;
        ASSERT_EQ(person_.questions(), 2) << c.blocked;
        const std::string asked = person_.shown.back().text;
        EXPECT_NE(asked.find(tree_.path(c.blocked)), std::string::npos) << asked;
        EXPECT_NE(asked.find("保存できませんでした"), std::string::npos) << asked;
        if (c.cause != SettingsCause::SystemError) {
            EXPECT_EQ(asked,
                      SettingsNotSavedText(tree_.path(c.blocked), {c.cause}, Region::Japanese));
        }

        person_.answers = {true, true};
        EXPECT_TRUE(app.ConfirmExitAndSave(*window, person_)) << c.blocked;
        EXPECT_TRUE(std::filesystem::exists(tree_.path(std::string(c.blocked) + "/inside")));
        app.ReleaseInstance();
    }
}

// Named pipes as the settings file and the last configuration: the start does not wait on them,
// the person learns the settings file was not read, and the next save keeps the pipe aside.
TEST_F(ApplicationTest, PipesAtStartAreNeitherWaitedOnNorLost) {
    ASSERT_EQ(::mkfifo(tree_.path("Tessaline.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(tree_.path("Recent.dat").c_str(), 0600), 0);
    CBrightwickApp app(options());
    ASSERT_TRUE(app.InitInstance());
    auto window = openWindow(app);
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0],
              SettingsUnreadableText(tree_.path("Tessaline.ini"), {SettingsCause::NotAFile},
                                     Region::English));

    window->ChangeLanguage(Region::Korean);
    person_.shown.clear();
    person_.answers = {true};
    EXPECT_TRUE(app.ConfirmExitAndSave(*window, person_));
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0],
              SettingsKeptAsideText(tree_.path("Tessaline.ini"), {SettingsCause::NotAFile},
                                    Region::Korean));
    struct stat st {};
    ASSERT_EQ(::lstat(tree_.path("Tessaline.ini.bad").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(fileExists(tree_.path("Tessaline.ini")));
    EXPECT_TRUE(fileExists(tree_.path("Recent.dat")));
}

// Sets an environment variable for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A settings folder planted as a link: nothing is read from it or written into it, and at exit
// the person learns why the settings cannot be saved.
TEST_F(ApplicationTest, WithoutAUsableSettingsFolderNothingIsSavedAndThePersonIsTold) {
    tree_.write("elsewhere/Tessaline.ini", "[Tessaline]\nPORT_TYPE=NET\nPORT_NAME=10.9.9.9\n");
    tree_.link("xdg/tessaline", tree_.path("elsewhere"));
    const ScopedEnvironment xdg("XDG_CONFIG_HOME", tree_.path("xdg"));
    CBrightwickApp::Options o = options();
    o.configFolder.clear();
    CBrightwickApp app(o);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.state().configFolder, "");
    EXPECT_EQ(app.state().loaded.portName, "");
    auto window = openWindow(app);
    EXPECT_TRUE(person_.shown.empty());

    window->ChangeLanguage(Region::Chinese);
    person_.answers = {true, false};
    EXPECT_FALSE(app.ConfirmExitAndSave(*window, person_));
    EXPECT_EQ(person_.shown.back().text,
              SettingsNotSavedText(tree_.path("xdg/tessaline"), {SettingsCause::FolderIsALink},
                                   Region::Chinese));
    person_.answers = {true, true};
    EXPECT_TRUE(app.ConfirmExitAndSave(*window, person_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree_.path("elsewhere")), {}), 1);
}

} // namespace
} // namespace tessaline
