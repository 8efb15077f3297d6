// Every command that talks to a printer, against a simulated printer that misbehaves in each of
// the simulator's ways, over loopback TCP and over a pseudo-terminal. Whatever the printer does,
// the tool ends within a bound with one of its exit codes, and leaves a file only when it
// succeeded, whole and equal to the one a well-behaved printer with the same data gives.

#include "cli/cli_process.h"
#include "support/sim_process.h"
#include "transport/channel_timings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;

enum class Line { Tcp, Pty };

// What a command leaves behind when it succeeds.
enum class Output { None, ExportFile, SelfInfoCsv };

struct Command {
    const char* name;
    std::vector<std::string> words; // after the interface; OUT and FILE are filled in
    Output output;
    bool receivesConfiguration; // takes a configuration or machine-information reply
};

const std::string kOut = "out.prn";
const std::string kExample = TESSALINE_SOURCE_DIR "/resources/examples/rv940-standard.prn";

const Command kCommands[] = {
    {"Send", {"send", kExample}, Output::None, false},
    {"ReceiveStandard", {"receive", "standard", "-o", kOut}, Output::ExportFile, true},
    {"ReceiveAdvanced",
     {"--advanced", "receive", "advanced", "-o", kOut},
     Output::ExportFile,
     true},
    {"Status", {"status"}, Output::None, false},
    {"Info", {"info"}, Output::None, false},
    {"SelfInfoSave", {"selfinfo", "--save"}, Output::SelfInfoCsv, true},
    {"Calibrate", {"calibrate"}, Output::None, false},
};

struct Fault {
    const char* name;
    std::vector<std::string> simArgs;
    // A configuration or machine-information reply can never be whole under this fault, so those
    // receives must fail.
    bool wholeReplyImpossible;
};

const Fault kFaults[] = {
    {"Clean", {}, false},
    {"Delay", {"--delay", "1500"}, false},
    {"Stray", {"--stray", "1"}, false},
    {"Silent", {"--silent"}, true},
    {"CloseMidReply", {"--close-mid-reply"}, true},
    {"Trickle5", {"--trickle", "5"}, false},
    {"Trickle150", {"--trickle", "150"}, false},
    {"Garbage", {"--garbage"}, true},
    {"StopReading", {"--stop-reading"}, true},
    {"Oversize", {"--oversize"}, true},
    {"AfterReply", {"--after-reply", "XYZ"}, false},
    {"FailCalibration", {"--fail-calibration"}, false},
};

// The tool's exit codes: done, a message code, and 1 for a failed sensor adjustment. 2 (usage)
// would be a fault of the table.
const std::set<int> kMessageCodes = {20, 21, 22, 23, 24, 30, 31, 32, 40, 80, 81, 82};

// A configuration receive and a machine-information receive, each given up at the reply
// deadline at the latest, with room for the time-outs of opening and closing.
const auto kCellLimit = 2 * tessaline::ChannelTimings{}.replyDeadline + std::chrono::seconds(30);

// The names in the tool's folder that are not its work.
const std::set<std::string> kFixtureNames = {"config", "run", "stdout", "stderr", "tty"};

using Cell = std::tuple<Line, Fault, Command>;

const char* lineName(Line line) {
    return line == Line::Tcp ? "Tcp" : "Pty";
}

// The cell as its test names it, also where the test runner shows the parameter.
void PrintTo(const Cell& cell, std::ostream* out) {
    *out << lineName(std::get<0>(cell)) << " " << std::get<1>(cell).name << " "
         << std::get<2>(cell).name;
}

std::vector<std::string> interfaceWords(Line line, const SimProcess& sim) {
    if (line == Line::Tcp) return {"--tcp", "127.0.0.1:" + std::to_string(sim.port())};
    return {"--serial", sim.address()};
}

// Everything the tool left in its folder besides the fixture's own files: its files and any
// empty folder.
std::vector<std::string> leftBehind(const CliProcess& tool) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(tool.folder())) {
        const std::string relative = entry.path().lexically_relative(tool.folder()).string();
        const std::string top = relative.substr(0, relative.find('/'));
        if (kFixtureNames.contains(top) || (entry.is_directory() && !fs::is_empty(entry.path())))
            continue;
        names.push_back(relative);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes of the file a successful run wrote: the export, or the one CSV in the day's folder.
std::string outputOf(const CliProcess& tool, Output output, std::vector<std::string> files) {
    if (output == Output::ExportFile) return CliProcess::read(tool.folder(kOut));
    const auto csv = std::find_if(files.begin(), files.end(),
                                  [](const std::string& f) { return f.ends_with(".csv"); });
    return csv == files.end() ? std::string() : CliProcess::read(tool.folder(*csv));
}

CliResult runCell(const CliProcess& tool, Line line, const SimProcess& sim,
                  const Command& command) {
    std::vector<std::string> words = {"--language", "en", "--yes"};
    for (const std::string& w : interfaceWords(line, sim))
        words.push_back(w);
    words.insert(words.end(), command.words.begin(), command.words.end());
    return tool.run(words, std::chrono::duration_cast<std::chrono::milliseconds>(kCellLimit));
}

class FaultCell : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultCell, EndsInTimeWithItsCodeAndAWholeFileOrNone) {
    const auto& [line, fault, command] = GetParam();
    CliProcess tool;
    std::vector<std::string> simArgs = line == Line::Tcp
                                           ? std::vector<std::string>{"--tcp", "127.0.0.1:0"}
                                           : std::vector<std::string>{"--pty", tool.folder("tty")};
    simArgs.insert(simArgs.end(), fault.simArgs.begin(), fault.simArgs.end());
    SimProcess sim(simArgs);
    ASSERT_TRUE(sim.running());

    const auto start = std::chrono::steady_clock::now();
    const CliResult result = runCell(tool, line, sim, command);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_FALSE(result.killed) << "still running after the cell's limit";
    EXPECT_LT(took, kCellLimit);
    SCOPED_TRACE(result.err);

    const bool calibrate = std::string_view(command.name) == "Calibrate";
    EXPECT_TRUE(result.status == 0 || kMessageCodes.contains(result.status) ||
                (calibrate && result.status == 1))
        << "exit status " << result.status;
    if (fault.simArgs.empty()) {
        EXPECT_EQ(result.status, 0);
    }
    if (fault.wholeReplyImpossible && command.receivesConfiguration) {
        EXPECT_NE(result.status, 0);
    }
    if (std::string_view(fault.name) == "FailCalibration" && calibrate) {
        EXPECT_EQ(result.status, 1);
    }

    const std::vector<std::string> files = leftBehind(tool);
    if (result.status != 0 || command.output == Output::None) {
        EXPECT_EQ(files, std::vector<std::string>{});
        return;
    }
    // The same printer, well behaved, over the network: the file must be the same.
    CliProcess cleanTool;
    SimProcess cleanSim({"--tcp", "127.0.0.1:0"});
    ASSERT_TRUE(cleanSim.running());
    ASSERT_EQ(runCell(cleanTool, Line::Tcp, cleanSim, command).status, 0);
    const std::string expected = outputOf(cleanTool, command.output, leftBehind(cleanTool));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(files.size(), 1u);
    EXPECT_TRUE(outputOf(tool, command.output, files) == expected) << "the file differs";
}

std::string cellName(const ::testing::TestParamInfo<Cell>& info) {
    const auto& [line, fault, command] = info.param;
    return std::string(lineName(line)) + "_" + fault.name + "_" + command.name;
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultCell,
                         ::testing::Combine(::testing::Values(Line::Tcp, Line::Pty),
                                            ::testing::ValuesIn(kFaults),
                                            ::testing::ValuesIn(kCommands)),
                         cellName);

} // namespace
