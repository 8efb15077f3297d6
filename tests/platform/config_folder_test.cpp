// The settings folder is the user's own: never a link, never a folder another user owns or may
// write into, never a shared /tmp/tessaline.

#include "platform/atomic_file.h"
#include "platform/config_folder.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {
namespace {

constexpr uid_t kOtherUser = 65534;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

class ConfigFolderTest : public ::testing::Test {
protected:
    // Only the per-user fallback under tree/tmp, as with HOME and XDG_CONFIG_HOME unset and no
    // home in the password database.
    ConfigPlaces homeless() const {
        ConfigPlaces places;
        places.fallbackBase = tree_.path("tmp");
        return places;
    }
    std::string fallback() const {
        return tree_.path("tmp/tessaline-" + std::to_string(::geteuid()));
    }

    TempTree tree_;
};

TEST_F(ConfigFolderTest, EachPlaceInTurnAndTheFolderIsMadePrivate) {
    tree_.folder("tmp");
    tree_.folder("pw");
    struct Case {
        const char* what;
        ConfigPlaces places;
        std::string folder;
    };
    const Case cases[] = {
        {"XDG_CONFIG_HOME",
         {tree_.path("xdg"), tree_.path("home"), tree_.path("pw"), ""},
         tree_.path("xdg/tessaline")},
        {"HOME",
         {"relative/ignored", tree_.path("home"), tree_.path("pw"), ""},
         tree_.path("home/.config/tessaline")},
        {"password database",
         {"", "", tree_.path("pw"), tree_.path("tmp")},
         tree_.path("pw/.config/tessaline")},
        {"home in the database does not exist",
         {"", "", tree_.path("nonexistent"), tree_.path("tmp")},
         fallback()},
        {"no home at all", homeless(), fallback()},
    };
    for (const auto& c : cases) {
        const ConfigFolderChoice choice = ChooseConfigFolder({}, c.places, FolderUse::ReadWrite);
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.problem, ConfigFolderProblem::None) << c.what;
        EXPECT_EQ(modeOf(c.folder) & 07777, 0700u) << c.what;
    }
    EXPECT_FALSE(std::filesystem::exists(tree_.path("nonexistent")));
    EXPECT_FALSE(CurrentConfigPlaces().passwordHome.empty());
}

TEST_F(ConfigFolderTest, APlantedFolderIsRefused) {
    tree_.folder("tmp");
    tree_.folder("elsewhere");
    struct Case {
        const char* what;
        std::function<void()> plant;
        ConfigFolderProblem problem;
    };
    const Case cases[] = {
        {"a link to a folder of the attacker's choice",
         [&] {
             tree_.link("tmp/tessaline-" + std::to_string(::geteuid()), tree_.path("elsewhere"));
         },
         ConfigFolderProblem::IsALink},
        {"a file", [&] { tree_.write("tmp/tessaline-" + std::to_string(::geteuid()), ""); },
         ConfigFolderProblem::IsALink},
        {"another user's folder",
         [&] {
             ASSERT_EQ(::mkdir(fallback().c_str(), 0700), 0);
             ASSERT_EQ(::chown(fallback().c_str(), kOtherUser, kOtherUser), 0);
         },
         ConfigFolderProblem::OtherOwner},
        {"a folder anyone may write into",
         [&] {
             ASSERT_EQ(::mkdir(fallback().c_str(), 0700), 0);
             ASSERT_EQ(::chmod(fallback().c_str(), 0777), 0);
         },
         ConfigFolderProblem::WritableByOthers},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(fallback());
        c.plant();
        for (const FolderUse use : {FolderUse::ReadOnly, FolderUse::ReadWrite}) {
            const ConfigFolderChoice choice = ChooseConfigFolder({}, homeless(), use);
            EXPECT_EQ(choice.folder, "") << c.what;
            EXPECT_EQ(choice.candidate, fallback()) << c.what;
            EXPECT_EQ(choice.problem, c.problem) << c.what;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(tree_.path("elsewhere")));

    // The same holds for the folder under XDG_CONFIG_HOME.
    tree_.link("xdg/tessaline", tree_.path("elsewhere"));
    ConfigPlaces xdg;
    xdg.xdgConfigHome = tree_.path("xdg");
    EXPECT_EQ(ChooseConfigFolder({}, xdg, FolderUse::ReadWrite).problem,
              ConfigFolderProblem::IsALink);
}

TEST_F(ConfigFolderTest, ReadingMakesNothingAndAPortableFileCountsOnlyWhenItIsOurs) {
    const ConfigFolderChoice read = ChooseConfigFolder({}, homeless(), FolderUse::ReadOnly);
    EXPECT_EQ(read.folder, fallback());
    EXPECT_FALSE(std::filesystem::exists(tree_.path("tmp")));

    tree_.write("program/Tessaline.ini", "[Tessaline]\n");
    EXPECT_EQ(ChooseConfigFolder(tree_.path("program"), homeless(), FolderUse::ReadOnly).folder,
              tree_.path("program"));
    ASSERT_EQ(::chown(tree_.path("program/Tessaline.ini").c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(ChooseConfigFolder(tree_.path("program"), homeless(), FolderUse::ReadOnly).folder,
              fallback());
}

TEST_F(ConfigFolderTest, OwnFilesOnlyAreRead) {
    tree_.write("mine", "[Tessaline]\n");
    tree_.write("theirs", "[Tessaline]\nPORT_NAME=10.9.9.9\n");
    ASSERT_EQ(::chown(tree_.path("theirs").c_str(), kOtherUser, kOtherUser), 0);
    tree_.link("link-to-theirs", tree_.path("theirs"));
    std::string bytes;
    EXPECT_TRUE(readOwnFile(tree_.path("mine"), bytes, 100).ok());
    EXPECT_EQ(bytes, "[Tessaline]\n");
    for (const char* name : {"theirs", "link-to-theirs"}) {
        bytes.clear();
        const OwnFileRead read = readOwnFile(tree_.path(name), bytes, 100);
        EXPECT_TRUE(read.otherOwner) << name;
        EXPECT_FALSE(read.ok()) << name;
        EXPECT_EQ(bytes, "") << name;
    }
    const OwnFileRead missing = readOwnFile(tree_.path("missing"), bytes, 100);
    EXPECT_TRUE(missing.missing);
    tree_.folder("folder");
    EXPECT_TRUE(readOwnFile(tree_.path("folder"), bytes, 100).folder);
}

} // namespace
} // namespace tessaline
