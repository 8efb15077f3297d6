#pragma once

// A print spooler of the test's own: cupsd in a temporary folder, listening on a Unix socket
// there, with queues created by lpadmin. Nothing of the computer's own spooler is touched. The
// newest one is the process's spooler (for every thread) until it ends; its tools always reach
// their own, so that a test may run two.

#include "platform/print_spooler.h"
#include "support/temp_tree.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

class PrivateCupsd {
public:
    static bool installed() { return ::access(kCupsd, X_OK) == 0; }

    PrivateCupsd() {
        ::chmod(tree_.path().c_str(), 0755);
        for (const char* folder : {"etc", "spool", "tmp", "cache", "state", "log"}) {
            tree_.folder(folder);
            ::chmod(tree_.path(folder).c_str(), 0755);
        }
        socket_ = tree_.path("cups.sock");
        std::string t = tree_.path();
        tree_.write("cups-files.conf",
                    "ServerRoot " + t + "/etc\nRequestRoot " + t + "/spool\nTempDir " + t +
                        "/tmp\nCacheDir " + t + "/cache\nStateDir " + t + "/state\nErrorLog " + t +
                        "/log/error_log\nAccessLog " + t + "/log/access_log\nPageLog " + t +
                        "/log/page_log\nFileDevice Yes\n");
        tree_.write("cupsd.conf", "Listen " + socket_ +
                                      "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                      "DefaultAuthType None\n<Location />\nOrder allow,deny\n"
                                      "Allow all\n</Location>\n<Policy default>\n<Limit All>\n"
                                      "Order deny,allow\n</Limit>\n</Policy>\n");
        std::string conf = tree_.path("cupsd.conf"), files = tree_.path("cups-files.conf");
        std::vector<std::string> args = {kCupsd, "-f", "-c", conf, "-s", files};
        pid_ = spawn(args);
        ::setenv("CUPS_SERVER", socket_.c_str(), 1); // for the programs a test starts
        tessaline::SetPrintSpoolerServer(socket_.c_str());
        for (int i = 0; i < 100 && !answering(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~PrivateCupsd() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        tessaline::SetPrintSpoolerServer(nullptr);
        ::unsetenv("CUPS_SERVER");
    }
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    bool running() const { return pid_ > 0 && answering(); }
    const std::string& socketPath() const { return socket_; }

    // Runs a CUPS tool (lpadmin, cupsdisable, cupsreject, ...) against this spooler.
    bool run(std::vector<std::string> args) const {
        std::vector<std::string> environment = {"CUPS_SERVER=" + socket_};
        for (char** e = environ; *e; ++e) {
            if (std::string_view(*e).substr(0, 12) != "CUPS_SERVER=") environment.push_back(*e);
        }
        pid_t pid = spawn(args, true, &environment);
        int status = -1;
        if (pid > 0) ::waitpid(pid, &status, 0);
        return status == 0;
    }
    bool addQueue(const std::string& name, const std::string& uri) const {
        return run({"/usr/sbin/lpadmin", "-p", name, "-E", "-v", uri});
    }

private:
    static constexpr const char* kCupsd = "/usr/sbin/cupsd";

    static pid_t spawn(std::vector<std::string> args, bool quiet = false,
                       std::vector<std::string>* environment = nullptr) {
        std::vector<char*> argv, envp;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (environment) {
            for (std::string& e : *environment)
                envp.push_back(e.data());
            envp.push_back(nullptr);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(),
                         environment ? envp.data() : environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    bool answering() const {
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socket_.copy(address.sun_path, sizeof address.sun_path - 1);
        bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
    }

    TempTree tree_;
    std::string socket_;
    pid_t pid_ = -1;
};
