#pragma once

// Starts tessaline-sim for a test or benchmark and stops it again. The simulator's standard
// input is a pipe held here: closing it ends the simulator even when the test dies.

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        std::string program = simulatorPath();
        std::vector<char*> argv;
        argv.push_back(program.data());
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int input[2], output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        ::close(output[1]);
        stdin_ = input[1];
        stdout_ = output[0];
        address_ = readLine(std::chrono::seconds(5));
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The first line the simulator printed: HOST:PORT or the device path.
    const std::string& address() const { return address_; }
    bool running() const { return pid_ > 0 && !address_.empty(); }
    int port() const { return std::atoi(address_.substr(address_.rfind(':') + 1).c_str()); }

    // Ends the simulator by closing its input and returns its exit status.
    int stop() {
        if (stdin_ >= 0) ::close(stdin_);
        stdin_ = -1;
        int status = -1;
        if (pid_ > 0) {
            for (int i = 0; i < 200 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i)
                ::usleep(10000);
            if (::waitpid(pid_, &status, WNOHANG) == 0) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
            }
        }
        pid_ = -1;
        if (stdout_ >= 0) ::close(stdout_);
        stdout_ = -1;
        return status;
    }
    // Asks the simulator to end by SIGTERM and returns its exit status.
    int terminate() {
        if (pid_ > 0) ::kill(pid_, SIGTERM);
        int status = -1;
        if (pid_ > 0) ::waitpid(pid_, &status, 0);
        pid_ = -1;
        stop();
        return status;
    }

    static std::string simulatorPath() { return std::string(TESSALINE_BIN_DIR) + "/tessaline-sim"; }

private:
    std::string readLine(std::chrono::milliseconds limit) {
        std::string line;
        auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{stdout_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char c;
            if (::read(stdout_, &c, 1) != 1) break;
            if (c == '\n') return line;
            line += c;
        }
        return {};
    }

    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    std::string address_;
};
