// Start-up of the windows program to its first painted frame, each run a fresh process, beside a
// minimal Qt Widgets program measured the same way in the same run: the time from starting the
// process to the frame, and the resident memory the program reports at that frame.

#include "app/settings_file.h"
#include "gui/first_frame_report.h"
#include "platform/code_page.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// What one program's runs gave, for the ratios at the end.
struct Figures {
    double seconds = 0;
    double hwmKilobytes = 0;
    double rssKilobytes = 0;
    int runs = 0;
};
std::map<std::string, Figures> figures;

// The folder the windows program keeps its settings in and its lock, with saved settings that
// name the simulator.
class Home {
public:
    explicit Home(const SimProcess& sim) {
        tree_.folder("config/tessaline");
        tree_.folder("run");
        std::filesystem::permissions(tree_.path("run"), std::filesystem::perms::owner_all);
        tessaline::InterfaceSettings settings;
        settings.portType = tessaline::PortType::Network;
        settings.portName = "127.0.0.1";
        settings.portNumber = std::to_string(sim.port());
        tessaline::SaveChangedSettings(
            tree_.path("config/tessaline/") + std::string(tessaline::kSettingsFileName),
            tessaline::kPortTypeChanged | tessaline::kPortNameChanged |
                tessaline::kPortNumberChanged,
            settings, [](std::string_view b) { return tessaline::fromAnsi(b); });
    }
    std::vector<std::string> environment() const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        env.push_back("QT_QPA_PLATFORM=offscreen");
        env.push_back(std::string(tessaline::gui::kExitAfterFirstFrame) + "=1");
        env.push_back("XDG_CONFIG_HOME=" + tree_.path("config"));
        env.push_back("XDG_RUNTIME_DIR=" + tree_.path("run"));
        return env;
    }

private:
    TempTree tree_;
};

// Starts `program` and waits for its first-frame line; false when it printed none.
bool runToFirstFrame(const std::string& program, const std::vector<std::string>& environment,
                     double& seconds, long& rss, long& hwm) {
    std::vector<char*> env;
    for (const std::string& e : environment)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    std::string name = program;
    char* argv[] = {name.data(), nullptr};
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    pid_t pid = -1;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string line;
    char c;
    while (spawned == 0 && ::read(output[0], &c, 1) == 1 && c != '\n')
        line += c;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(output[0]);
    if (spawned != 0) return false;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return std::sscanf(line.c_str(), "first-frame rss_kB=%ld hwm_kB=%ld", &rss, &hwm) == 2;
}

void BM_FirstFrame(benchmark::State& state, const std::string& program) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    if (!sim.running()) {
        state.SkipWithError("the simulator did not start");
        return;
    }
    const Home home(sim);
    const std::vector<std::string> environment = home.environment();
    Figures& f = figures[program];
    f = {};
    for (auto _ : state) {
        double seconds = 0;
        long rss = 0, hwm = 0;
        if (!runToFirstFrame(std::string(TESSALINE_BIN_DIR) + "/" + program, environment, seconds,
                             rss, hwm)) {
            state.SkipWithError("no first frame reported");
            return;
        }
        state.SetIterationTime(seconds);
        f.seconds += seconds;
        f.rssKilobytes += static_cast<double>(rss);
        f.hwmKilobytes += static_cast<double>(hwm);
        ++f.runs;
    }
    state.counters["rss_kB"] = f.rssKilobytes / f.runs;
    state.counters["hwm_kB"] = f.hwmKilobytes / f.runs;
}
BENCHMARK_CAPTURE(BM_FirstFrame, minimal_qt_dialog, std::string("minimal_qt_dialog"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_FirstFrame, tessaline, std::string("tessaline"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The main window against the minimal program; targets 1.5 for the time, 1.3 for the memory.
void printRatios() {
    const Figures& base = figures["minimal_qt_dialog"];
    const Figures& main = figures["tessaline"];
    if (base.runs == 0 || main.runs == 0) return;
    const double time = (main.seconds / main.runs) / (base.seconds / base.runs);
    const double memory = (main.hwmKilobytes / main.runs) / (base.hwmKilobytes / base.runs);
    std::printf("start-up time ratio %.2f (target 1.5), peak resident memory ratio %.2f "
                "(target 1.3)\n",
                time, memory);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
