// Ctrl+C during an exchange: the exchange ends at once, nothing half is written, and the tool
// exits 130 as an interrupted program does.

#include "cli_fixture.h"

#include <filesystem>

namespace {

using namespace std::chrono_literals;

TEST_F(CliTest, CtrlCDuringASilentReceiveEndsWith130AndNoFile) {
    startSim({"--silent"});
    const std::string out = process_.folder("out.prn");
    const CliResult run =
        process_.run({"--language", "en", "--tcp", "127.0.0.1:" + std::to_string(sim_->port()),
                      "--yes", "receive", "-o", out},
                     10s, 1500ms);
    EXPECT_FALSE(run.killed);
    EXPECT_EQ(run.status, 130) << run.err;
    // The exchange was cancelled: a silent printer's time-out would say code 82.
    EXPECT_EQ(run.err, "tessaline-cli: Cancelled.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(run.out, "");
}

} // namespace
