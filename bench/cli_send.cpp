// `tessaline-cli --yes --tcp 127.0.0.1:PORT send FILE` of a full configuration against the
// simulator, beside a plain TCP send of the same bytes by a program of a few lines
// (plain_tcp_send, the stand-in for `nc`), in one run. "overhead_ms" is what the tool takes beyond
// the plain sender and the waits the protocol mandates (the drain's readability wait after the
// connect): loading its libraries, reading the settings, the interface lists, Import, the
// preparation, the printer's echo check and the send itself. "startup_ms" is what
// `tessaline-cli --version` takes beyond the plain sender's whole run; "inprocess_ms" is the same
// send from inside this process, without starting one.

#include "../tests/support/sim_process.h"
#include "../tests/support/temp_tree.h"
#include "transport/channel_timings.h"
#include "transport/command_prefix.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>

namespace {

using Clock = std::chrono::steady_clock;

// Runs one of the built programs with its output in `outPath`; returns its exit status.
int runProgram(const char* name, const TempTree& tree, std::vector<std::string> args,
               const std::string& outPath) {
    std::string program = std::string(TESSALINE_BIN_DIR) + "/" + name;
    std::vector<char*> argv{program.data()};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = {"LANG=C", "PATH=/usr/bin:/bin",
                                    "XDG_CONFIG_HOME=" + tree.path("config"),
                                    "XDG_RUNTIME_DIR=" + tree.path()};
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = -1;
    int status = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        ::waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runCli(const TempTree& tree, std::vector<std::string> args, const std::string& outPath) {
    return runProgram("tessaline-cli", tree, std::move(args), outPath);
}

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The bytes Send writes for every setting of the model with the advanced ones: the command
// prefix and the text the tool prints for `defaults`, with its CR LF line ends.
std::string fullConfiguration(const TempTree& tree) {
    const std::string out = tree.path("defaults.txt");
    if (runCli(tree, {"--model", "0", "--advanced", "defaults"}, out) != 0) return {};
    std::string bytes(tessaline::CommandPrefix);
    for (const char c : readAll(out)) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool plainSend(int port, const std::string& bytes) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(static_cast<uint16_t>(port));
    target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        ok = n > 0;
        done += ok ? static_cast<size_t>(n) : 0;
    }
    ::close(fd);
    return ok;
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void BM_CliSendBesidePlainSend(benchmark::State& state) {
    TempTree tree;
    tree.folder("config");
    SimProcess sim({});
    if (!sim.running()) {
        state.SkipWithError("tessaline-sim did not start");
        return;
    }
    const std::string bytes = fullConfiguration(tree);
    if (bytes.empty()) {
        state.SkipWithError("no full configuration");
        return;
    }
    const std::string file = tree.path("full.prn");
    std::ofstream(file, std::ios::binary) << bytes;
    const std::vector<std::string> send = {
        "--yes", "--language", "en", "--tcp", "127.0.0.1:" + std::to_string(sim.port()),
        "send",  file};
    const std::string out = tree.path("send.txt");
    const std::vector<std::string> plain = {std::to_string(sim.port()), file};
    double cliMs = 0, plainMs = 0, startupMs = 0, inProcessMs = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        runCli(tree, {"--version"}, out);
        startupMs += msSince(start);
        start = Clock::now();
        if (runCli(tree, send, out) != 0) {
            state.SkipWithError("tessaline-cli send failed");
            return;
        }
        cliMs += msSince(start);
        start = Clock::now();
        if (runProgram("plain_tcp_send", tree, plain, out) != 0) {
            state.SkipWithError("plain send failed");
            return;
        }
        plainMs += msSince(start);
        start = Clock::now();
        if (!plainSend(sim.port(), bytes)) {
            state.SkipWithError("plain send failed");
            return;
        }
        inProcessMs += msSince(start);
    }
    const auto n = static_cast<double>(state.iterations());
    const double mandated = static_cast<double>(tessaline::ChannelTimings{}.drainWait.count());
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["cli_ms"] = cliMs / n;
    state.counters["plain_ms"] = plainMs / n;
    state.counters["inprocess_ms"] = inProcessMs / n;
    state.counters["mandated_ms"] = mandated;
    state.counters["overhead_ms"] = (cliMs - plainMs) / n - mandated;
    state.counters["startup_ms"] = (startupMs - plainMs) / n;
}
BENCHMARK(BM_CliSendBesidePlainSend)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
