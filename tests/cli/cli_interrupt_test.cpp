// Ctrl+C during an exchange: the exchange ends at once, nothing half is written, and the tool
// exits 130 as an interrupted program does.

#include "cli_fixture.h"

#include <filesystem>

namespace {

using namespace std::chrono_literals;

TEST_F(CliTest, CtrlCDuringASilentReceiveEndsWith130AndNoFile) {
    startSim({"--silent"});
    const std::string out = process_.folder("out.prn");
    const auto started = std::chrono::steady_clock::now();
    const CliResult run =
        process_.run({"--language", "en", "--tcp", "127.0.0.1:" + std::to_string(sim_->port()),
                      "--yes", "receive", "-o", out},
                     10s, 700ms);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_FALSE(run.killed);
    EXPECT_EQ(run.status, 130) << run.err;
    EXPECT_LT(took, 2500ms); // the silent printer's time-out is far longer
    EXPECT_EQ(run.err,
              "tessaline-cli: 127.0.0.1:" + std::to_string(sim_->port()) + ": Cancelled.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(run.out, "");
}

} // namespace
