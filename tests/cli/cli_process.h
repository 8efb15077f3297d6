#pragma once

// Runs tessaline-cli as a person would: in a folder of its own, with a settings folder of its
// own (no settings file unless the test writes one), English locale, no terminal.

#include "support/temp_tree.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct CliResult {
    int status = -1;
    bool killed = false; // still running at the time limit, so ended with SIGKILL
    std::string out;
    std::string err;
};

class CliProcess {
public:
    CliProcess() {
        tree_.folder("config/tessaline");
        tree_.folder("run");
    }

    // The folder the tool runs in (where relative paths and self-information folders go).
    std::string folder(const std::string& relative = "") const { return tree_.path(relative); }
    // The settings file the tool reads.
    std::string settingsPath() const { return tree_.path("config/tessaline/Tessaline.ini"); }

    // Runs the tool to its end; with a `limit`, a run still going then is killed. With
    // `interruptAfter` (and a limit), the tool gets SIGINT that long after its start.
    CliResult run(std::vector<std::string> args, std::chrono::milliseconds limit = {},
                  std::chrono::milliseconds interruptAfter = {}) const {
        std::string program = std::string(TESSALINE_BIN_DIR) + "/tessaline-cli";
        std::vector<char*> argv{program.data()};
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.starts_with("LC_") || entry.starts_with("LANG=") ||
                entry.starts_with("XDG_CONFIG_HOME=") || entry.starts_with("XDG_RUNTIME_DIR="))
                continue;
            env.push_back(entry);
        }
        env.push_back("LANG=C");
        env.push_back("XDG_CONFIG_HOME=" + tree_.path("config"));
        env.push_back("XDG_RUNTIME_DIR=" + tree_.path("run")); // the tool's locks
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        const std::string out = tree_.path("stdout"), err = tree_.path("stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addchdir_np(&actions, tree_.path().c_str());
        CliResult result;
        pid_t pid = -1;
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
            int status = 0;
            const auto started = std::chrono::steady_clock::now();
            const auto end = started + limit;
            bool reaped = false, interrupted = false;
            while (limit.count() > 0) {
                if (interruptAfter.count() > 0 && !interrupted &&
                    std::chrono::steady_clock::now() >= started + interruptAfter) {
                    ::kill(pid, SIGINT);
                    interrupted = true;
                }
                if (::waitpid(pid, &status, WNOHANG) == pid) {
                    reaped = true;
                    break;
                }
                if (std::chrono::steady_clock::now() >= end) {
                    ::kill(pid, SIGKILL);
                    result.killed = true;
                    break;
                }
                ::usleep(20000);
            }
            if (!reaped) ::waitpid(pid, &status, 0);
            result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = read(out);
        result.err = read(err);
        return result;
    }

    static std::string read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

private:
    TempTree tree_;
};
