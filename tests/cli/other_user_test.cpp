// Two users of one machine: while one user's programs hold the single-copy lock and the receive
// lock, another user's window still starts and their receive still runs.

#include "app/application.h"
#include "app/flow_codes.h"
#include "platform/named_lock.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessaline {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;
constexpr const char* kSetpriv = "/usr/bin/setpriv";
// A window that does not show within this time counts as not started.
constexpr auto kWindowLimit = std::chrono::seconds(60);

struct ProgramRun {
    int status = -1; // -1: did not end by itself
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string program(const char* name) {
    return std::string(TESSALINE_BIN_DIR) + "/" + name;
}

// A home of the other user, with settings and runtime folders of their own, all mode 0700.
class OtherUsersHome {
public:
    OtherUsersHome() {
        std::string pattern = "/tmp/tessaline-home-XXXXXX";
        if (!::mkdtemp(pattern.data())) return;
        path_ = pattern;
        for (const std::string& sub : {std::string(), std::string("/config"),
                                       std::string("/config/tessaline"), std::string("/run")}) {
            const std::string folder = path_ + sub;
            ::mkdir(folder.c_str(), 0700);
            ::chmod(folder.c_str(), 0700);
            if (::chown(folder.c_str(), kOtherUser, kOtherUser) != 0) path_.clear();
        }
    }
    ~OtherUsersHome() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    OtherUsersHome(const OtherUsersHome&) = delete;
    OtherUsersHome& operator=(const OtherUsersHome&) = delete;

    bool made() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A path in the shared /tmp that the other user's programs may make: removed at the end unless
// it was there before.
class LeftInTmp {
public:
    explicit LeftInTmp(std::string path)
        : path_(std::move(path)), before_(fs::exists(fs::symlink_status(path_))) {}
    ~LeftInTmp() {
        std::error_code ignored;
        if (!before_) fs::remove_all(path_, ignored);
    }
    LeftInTmp(const LeftInTmp&) = delete;
    LeftInTmp& operator=(const LeftInTmp&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool before_;
};

// Runs a program, as the other user when `asOther`, with the environment `env` only; output goes
// to files of `logs`. Ends it with SIGTERM (then SIGKILL) when it runs longer than `limit`.
ProgramRun runProgram(bool asOther, std::vector<std::string> command, std::vector<std::string> env,
                      const TempTree& logs, std::chrono::seconds limit) {
    if (asOther)
        command.insert(command.begin(),
                       {kSetpriv, "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const std::string out = logs.path("stdout"), err = logs.path("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ProgramRun run;
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        pid_t ended = 0;
        while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (ended == pid) {
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        } else {
            ::kill(pid, SIGTERM);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = readFile(out);
    run.err = readFile(err);
    return run;
}

// The environment of a person: their home and settings folder, the runtime folder when one is
// given, English, no display.
std::vector<std::string> personsEnvironment(const std::string& home, const std::string& runtime) {
    std::vector<std::string> env = {
        "PATH=/usr/bin:/bin", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
        "XDG_CACHE_HOME=" + home + "/cache", "LANG=C", "QT_QPA_PLATFORM=offscreen",
        // The window ends once it has shown its first frame.
        "TESSALINE_EXIT_AFTER_FIRST_FRAME=1",
        // Qt keeps allocations until the end, which a sanitizer
        // build would report.
        "ASAN_OPTIONS=detect_leaks=0"};
    if (!runtime.empty()) env.push_back("XDG_RUNTIME_DIR=" + runtime);
    return env;
}

struct Case {
    const char* name;
    bool runtimeFolder; // the other user has a runtime folder; else their own folder in /tmp
};

TEST(OtherUser, WorksWhileAnotherUsersCopyHoldsItsLocks) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run programs as another user";
    if (::access(kSetpriv, X_OK) != 0) GTEST_SKIP() << "needs " << kSetpriv;
    const OtherUsersHome home;
    ASSERT_TRUE(home.made());
    const TempTree logs;
    const std::string cli = program("tessaline-cli"), window = program("tessaline");
    // The other user must reach the programs through the folders above them.
    ASSERT_EQ(
        runProgram(true, {"/usr/bin/test", "-x", cli}, {}, logs, std::chrono::seconds(10)).status,
        0)
        << cli << " is not reachable by user " << kOtherUser;

    SimProcess sim({"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(sim.running());
    const std::vector<std::string> receive = {cli, "--yes", "--tcp",
                                              "127.0.0.1:" + std::to_string(sim.port()), "receive"};

    // This user's copy: both locks held, in this user's own folder in /tmp.
    const std::string singleCopyLock = CBrightwickApp::Options{}.lockName;
    const std::string receiveLock = MainWindowServices{}.receiveLockName;
    LockResult singleCopy = NamedLock::TryAcquire(singleCopyLock, LockPlaces{});
    ASSERT_TRUE(singleCopy) << singleCopy.error().detail;
    LockResult receiving = NamedLock::TryAcquire(receiveLock, LockPlaces{});
    ASSERT_TRUE(receiving) << receiving.error().detail;

    // For this user the locks are held: no second window, no second receive.
    TempTree rootsHome;
    const auto mine = personsEnvironment(rootsHome.path(), "");
    EXPECT_EQ(runProgram(false, {window}, mine, logs, kWindowLimit).status, kExitSecondCopy);
    const ProgramRun busy = runProgram(false, receive, mine, logs, kWindowLimit);
    EXPECT_EQ(busy.status, flow::kReceptionErrorCode);
    EXPECT_NE(busy.err.find("Another program is receiving from the printer."), std::string::npos)
        << busy.err;

    // Without a runtime folder the other user's locks go to their own folder in /tmp, and Qt
    // makes a runtime folder of its own there.
    const LeftInTmp othersFolder("/tmp/tessaline-" + std::to_string(kOtherUser));
    const passwd* other = ::getpwuid(kOtherUser);
    const LeftInTmp qtRuntime("/tmp/runtime-" + std::string(other ? other->pw_name : "65534"));
    const Case cases[] = {{"runtime folder", true}, {"own folder in /tmp", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto theirs =
            personsEnvironment(home.path(), c.runtimeFolder ? home.path() + "/run" : "");
        const ProgramRun received = runProgram(true, receive, theirs, logs, kWindowLimit);
        EXPECT_EQ(received.status, 0) << received.err;
        EXPECT_NE(received.out.find("PRINT SPEED"), std::string::npos) << received.out;
        const ProgramRun shown = runProgram(true, {window}, theirs, logs, kWindowLimit);
        EXPECT_EQ(shown.status, 0) << shown.err;
        EXPECT_NE(shown.out.find("first-frame"), std::string::npos) << shown.err;
        if (c.runtimeFolder) {
            EXPECT_TRUE(fs::exists(home.path() + "/run/" + singleCopyLock + ".lock"));
            EXPECT_TRUE(fs::exists(home.path() + "/run/" + receiveLock + ".lock"));
        } else {
            struct stat st {};
            ASSERT_EQ(::lstat(othersFolder.path().c_str(), &st), 0);
            EXPECT_EQ(st.st_uid, kOtherUser);
            EXPECT_TRUE(S_ISDIR(st.st_mode));
            EXPECT_TRUE(fs::exists(othersFolder.path() + "/" + receiveLock + ".lock"));
        }
    }
}

} // namespace
} // namespace tessaline
