// Start-up of the windows program to its first painted frame, each run a fresh process, beside a
// minimal Qt Widgets program measured the same way in the same run: the time from starting the
// process to the frame, and the resident memory the program reports at that frame.

#include "app/settings_file.h"
#include "gui/first_frame_report.h"
#include "platform/code_page.h"
#include "support/sim_process.h"
#include "support/temp_tree.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kMainProgram[] = "tessaline";
constexpr char kMinimalProgram[] = "minimal_qt_dialog";

// One run of a program to its first frame.
struct Run {
    double seconds = 0;
    long rssKilobytes = 0;
    long hwmKilobytes = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

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

// Starts `program` and waits for its first-frame line; nothing when it printed none.
std::optional<Run> runToFirstFrame(const std::string& program,
                                   const std::vector<std::string>& environment) {
    std::vector<char*> env;
    for (const std::string& e : environment)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    const std::string path = std::string(TESSALINE_BIN_DIR) + "/" + program;
    std::string name = program;
    char* argv[] = {name.data(), nullptr};
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    pid_t pid = -1;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string line;
    char c;
    while (spawned == 0 && ::read(output[0], &c, 1) == 1 && c != '\n')
        line += c;
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(output[0]);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (std::sscanf(line.c_str(), "first-frame rss_kB=%ld hwm_kB=%ld", &run.rssKilobytes,
                    &run.hwmKilobytes) != 2)
        return std::nullopt;
    return run;
}

// Each iteration starts the minimal program and then the main window, so that both see the
// same load of the machine; the time of an iteration is the main window's. The counters are
// medians, the time ratio that of the two programs' times in each iteration, since the load
// of a shared machine changes from one iteration to the next. They are figures to compare
// runs by, not targets.
void BM_FirstFrameBesideMinimalDialog(benchmark::State& state) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    if (!sim.running()) {
        state.SkipWithError("the simulator did not start");
        return;
    }
    const Home home(sim);
    const std::vector<std::string> environment = home.environment();
    std::vector<double> mainSeconds, minimalSeconds, timeRatios, mainHwm, minimalHwm, mainRss,
        minimalRss;
    for (auto _ : state) {
        const std::optional<Run> minimal = runToFirstFrame(kMinimalProgram, environment);
        const std::optional<Run> main = runToFirstFrame(kMainProgram, environment);
        if (!minimal || !main) {
            state.SkipWithError("no first frame reported");
            return;
        }
        state.SetIterationTime(main->seconds);
        mainSeconds.push_back(main->seconds);
        minimalSeconds.push_back(minimal->seconds);
        timeRatios.push_back(main->seconds / minimal->seconds);
        mainHwm.push_back(static_cast<double>(main->hwmKilobytes));
        minimalHwm.push_back(static_cast<double>(minimal->hwmKilobytes));
        mainRss.push_back(static_cast<double>(main->rssKilobytes));
        minimalRss.push_back(static_cast<double>(minimal->rssKilobytes));
    }
    state.counters["main_ms"] = median(mainSeconds) * 1000;
    state.counters["minimal_ms"] = median(minimalSeconds) * 1000;
    state.counters["time_ratio"] = median(timeRatios);
    state.counters["main_hwm_kB"] = median(mainHwm);
    state.counters["minimal_hwm_kB"] = median(minimalHwm);
    state.counters["main_rss_kB"] = median(mainRss);
    state.counters["minimal_rss_kB"] = median(minimalRss);
    state.counters["memory_ratio"] = median(mainHwm) / median(minimalHwm);
}
BENCHMARK(BM_FirstFrameBesideMinimalDialog)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(31);

} // namespace

BENCHMARK_MAIN();
