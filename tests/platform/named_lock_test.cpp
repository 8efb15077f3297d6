#include "platform/named_lock.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaline {
namespace {

namespace fs = std::filesystem;

// Another user of the machine, for files that are not ours.
constexpr uid_t kOtherUser = 65534;
constexpr const char* kName = "mtx_test";

bool root() {
    return ::geteuid() == 0;
}

void makeFolder(const std::string& path, mode_t mode) {
    ASSERT_EQ(::mkdir(path.c_str(), mode), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path; // whatever the umask
}

// What stands at a folder's place before the lock is taken.
enum class Folder {
    Unset,          // (runtime folder only) no runtime folder given
    Absent,         // nothing there
    Own,            // a folder of ours, mode 0700
    OwnReadable,    // a folder of ours, mode 0755
    OtherUsers,     // a folder of another user, mode 0700
    Link,           // a symbolic link to a folder of ours
    GroupWritable,  // a folder of ours, mode 0770
    OthersWritable, // a folder of ours, mode 1777
    File,           // a regular file
};

// A runtime folder and a shared temporary folder in a temporary tree, so that no test touches
// the machine's own /tmp.
class LockTree {
public:
    LockTree() { tree_.folder("tmp"); }

    LockPlaces places(bool withRuntime = true) const {
        LockPlaces p;
        if (withRuntime) p.runtimeFolder = runtime();
        p.sharedTemporary = tree_.path("tmp");
        return p;
    }
    std::string runtime() const { return tree_.path("run"); }
    std::string ownFolder() const {
        return tree_.path("tmp/tessaline-" + std::to_string(::geteuid()));
    }
    std::string path(const std::string& relative) const { return tree_.path(relative); }

    void place(const std::string& path, Folder kind) const {
        switch (kind) {
        case Folder::Unset:
        case Folder::Absent:
            break;
        case Folder::Own:
            makeFolder(path, 0700);
            break;
        case Folder::OwnReadable:
            makeFolder(path, 0755);
            break;
        case Folder::OtherUsers:
            makeFolder(path, 0700);
            ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherUser), 0);
            break;
        case Folder::Link:
            makeFolder(path + "-target", 0700);
            fs::create_symlink(path + "-target", path);
            break;
        case Folder::GroupWritable:
            makeFolder(path, 0770);
            break;
        case Folder::OthersWritable:
            makeFolder(path, 01777);
            break;
        case Folder::File:
            std::ofstream(path) << "not a folder";
            break;
        }
    }

    // Every lock file in the tree.
    std::vector<std::string> lockFiles() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(tree_.path()))
            if (entry.path().extension() == ".lock") found.push_back(entry.path().string());
        return found;
    }

private:
    TempTree tree_;
};

enum class Lands { InRuntime, InOwnFolder, Refused };

struct FolderCase {
    const char* name;
    Folder runtime;
    Folder own;
    Lands lands;
};

TEST(NamedLock, TheLockFolderIsTheUsersOwnOrTheLockIsRefused) {
    if (!root()) GTEST_SKIP() << "needs root to make folders of another user";
    const FolderCase cases[] = {
        {"runtime folder", Folder::Own, Folder::Absent, Lands::InRuntime},
        {"runtime folder readable by others", Folder::OwnReadable, Folder::Absent,
         Lands::InRuntime},
        {"no runtime folder: own folder made", Folder::Unset, Folder::Absent, Lands::InOwnFolder},
        {"runtime folder missing", Folder::Absent, Folder::Absent, Lands::InOwnFolder},
        {"runtime folder of another user", Folder::OtherUsers, Folder::Absent, Lands::InOwnFolder},
        {"runtime folder a link", Folder::Link, Folder::Absent, Lands::InOwnFolder},
        {"runtime folder group-writable", Folder::GroupWritable, Folder::Absent,
         Lands::InOwnFolder},
        {"runtime folder writable by all", Folder::OthersWritable, Folder::Own, Lands::InOwnFolder},
        {"runtime folder a file", Folder::File, Folder::OwnReadable, Lands::InOwnFolder},
        {"own folder of another user", Folder::Unset, Folder::OtherUsers, Lands::Refused},
        {"own folder a link", Folder::Unset, Folder::Link, Lands::Refused},
        {"own folder group-writable", Folder::Unset, Folder::GroupWritable, Lands::Refused},
        {"own folder writable by all", Folder::Unset, Folder::OthersWritable, Lands::Refused},
        {"own folder a file", Folder::Unset, Folder::File, Lands::Refused},
        {"both of another user", Folder::OtherUsers, Folder::OtherUsers, Lands::Refused},
        {"both links", Folder::Link, Folder::Link, Lands::Refused},
        {"runtime group-writable, own a link", Folder::GroupWritable, Folder::Link, Lands::Refused},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LockTree t;
        t.place(t.runtime(), c.runtime);
        t.place(t.ownFolder(), c.own);

        LockResult result = NamedLock::TryAcquire(kName, t.places(c.runtime != Folder::Unset));
        switch (c.lands) {
        case Lands::InRuntime:
            ASSERT_TRUE(result) << result.error().detail;
            EXPECT_EQ(result.lock().path(), t.runtime() + "/mtx_test.lock");
            EXPECT_FALSE(fs::exists(t.ownFolder()));
            break;
        case Lands::InOwnFolder: {
            ASSERT_TRUE(result) << result.error().detail;
            EXPECT_EQ(result.lock().path(), t.ownFolder() + "/mtx_test.lock");
            struct stat st {};
            ASSERT_EQ(::lstat(t.ownFolder().c_str(), &st), 0);
            EXPECT_TRUE(S_ISDIR(st.st_mode));
            EXPECT_EQ(st.st_uid, ::geteuid());
            if (c.own == Folder::Absent) {
                EXPECT_EQ(st.st_mode & 07777, 0700u);
            }
            EXPECT_EQ(t.lockFiles().size(), 1u); // nothing in the runtime folder or a link's target
            break;
        }
        case Lands::Refused:
            ASSERT_FALSE(result);
            EXPECT_EQ(result.error().cause, LockFailure::FolderUnsafe);
            EXPECT_NE(result.error().detail.find(t.ownFolder()), std::string::npos)
                << result.error().detail;
            if (c.runtime != Folder::Unset) {
                EXPECT_NE(result.error().detail.find(t.runtime()), std::string::npos)
                    << result.error().detail;
            }
            EXPECT_TRUE(t.lockFiles().empty());
            break;
        }
    }
}

// What stands at the lock file's place in the runtime folder.
enum class Planted { LinkToNothing, LinkToAFile, OtherUsersFile, Folder, Pipe };

TEST(NamedLock, ALockFileThatIsNotOursIsRefusedAndLeadsNowhere) {
    if (!root()) GTEST_SKIP() << "needs root to make files of another user";
    const std::pair<const char*, Planted> cases[] = {
        {"a link to nothing", Planted::LinkToNothing},
        {"a link to a file", Planted::LinkToAFile},
        {"a file of another user", Planted::OtherUsersFile},
        {"a folder", Planted::Folder},
        {"a pipe", Planted::Pipe},
    };
    for (const auto& [name, planted] : cases) {
        SCOPED_TRACE(name);
        TempTree tree;
        const std::string folder = tree.path("run");
        makeFolder(folder, 0700);
        const std::string file = folder + "/mtx_test.lock";
        const std::string target = tree.path("elsewhere/chosen");
        tree.folder("elsewhere");
        switch (planted) {
        case Planted::LinkToNothing:
            fs::create_symlink(target, file);
            break;
        case Planted::LinkToAFile:
            tree.write("elsewhere/chosen", "keep");
            fs::create_symlink(target, file);
            break;
        case Planted::OtherUsersFile:
            tree.write("run/mtx_test.lock", "");
            ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherUser), 0);
            break;
        case Planted::Folder:
            makeFolder(file, 0700);
            break;
        case Planted::Pipe:
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
            break;
        }
        LockPlaces in;
        in.runtimeFolder = folder;
        in.sharedTemporary = tree.path("tmp"); // missing: no fallback is tried
        const LockResult result = NamedLock::TryAcquire(kName, in);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error().cause, LockFailure::FileUnsafe);
        EXPECT_NE(result.error().detail.find(file), std::string::npos) << result.error().detail;
        EXPECT_FALSE(fs::exists(tree.path("tmp")));
        if (planted == Planted::LinkToNothing) {
            EXPECT_FALSE(fs::exists(target));
        }
        if (planted == Planted::LinkToAFile) {
            std::ifstream kept(target);
            std::string text;
            std::getline(kept, text);
            EXPECT_EQ(text, "keep");
        }
    }
}

TEST(NamedLock, OneHolderAtATime) {
    const LockTree t;
    makeFolder(t.runtime(), 0700);
    {
        LockResult first = NamedLock::TryAcquire(kName, t.places());
        ASSERT_TRUE(first) << first.error().detail;
        const LockResult second = NamedLock::TryAcquire(kName, t.places());
        ASSERT_FALSE(second);
        EXPECT_TRUE(second.heldByAnother());
        EXPECT_EQ(second.error().cause, LockFailure::HeldByAnother);
        EXPECT_EQ(second.error().osError, 0);
        EXPECT_NE(second.error().detail.find(first.lock().path()), std::string::npos);
        // Another process sees it held too.
        const pid_t child = ::fork();
        if (child == 0) {
            const LockResult there = NamedLock::TryAcquire(kName, t.places());
            ::_exit(there ? 0 : there.heldByAnother() ? 3 : 4);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 3);
    }
    EXPECT_TRUE(NamedLock::TryAcquire(kName, t.places()));
}

TEST(NamedLock, ALockHeldByAProcessIsFreeWhenItEnds) {
    const LockTree t;
    makeFolder(t.runtime(), 0700);
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const LockResult held = NamedLock::TryAcquire(kName, t.places());
        const char c = held ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        char end;
        (void)!::read(done[0], &end, 1);
        ::_exit(0); // the lock goes with the process, without its destructor
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_EQ(NamedLock::TryAcquire(kName, t.places()).error().cause, LockFailure::HeldByAnother);
    (void)!::write(done[1], "x", 1);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(NamedLock::TryAcquire(kName, t.places()));
    for (int fd : {ready[0], ready[1], done[0], done[1]})
        ::close(fd);
}

TEST(NamedLock, ASystemRefusalKeepsItsErrorNumber) {
    const LockTree t;
    LockPlaces nowhere;
    nowhere.sharedTemporary = t.path("missing");
    const LockResult result = NamedLock::TryAcquire(kName, nowhere);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().cause, LockFailure::SystemError);
    EXPECT_EQ(result.error().osError, ENOENT);
    EXPECT_NE(result.error().detail.find(t.path("missing")), std::string::npos);
}

TEST(NamedLock, NamesWithSlashesStayInTheFolder) {
    const LockTree t;
    makeFolder(t.runtime(), 0700);
    LockResult lock = NamedLock::TryAcquire("../a/b", t.places());
    ASSERT_TRUE(lock) << lock.error().detail;
    EXPECT_EQ(lock.lock().path(), t.runtime() + "/.._a_b.lock");
}

TEST(LockPlaces, TheRuntimeFolderComesFromTheEnvironmentWhenAbsolute) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/4321", 1);
    EXPECT_EQ(LockPlaces::FromEnvironment().runtimeFolder, "/run/user/4321");
    ::setenv("XDG_RUNTIME_DIR", "run/user", 1);
    EXPECT_EQ(LockPlaces::FromEnvironment().runtimeFolder, "");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(LockPlaces::FromEnvironment().runtimeFolder, "");
    EXPECT_EQ(LockPlaces::FromEnvironment().sharedTemporary, "/tmp");
    if (saved) ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
}

} // namespace
} // namespace tessaline
