// A named pipe or a file beyond the read limit given to parse, check or send is refused at once,
// naming the file, before anything reaches the printer.
#include "cli_fixture.h"
#include "platform/atomic_file.h"

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

namespace {

TEST_F(CliTest, PipesAndOversizeFilesAreRefusedAtOnceAndNothingIsSent) {
    startSim();
    const std::string pipe = process_.folder("pipe.prn");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A sparse file just beyond the limit, beginning like a configuration.
    const std::string huge = process_.folder("huge.prn");
    { std::ofstream(huge, std::ios::binary) << "~!!\r\n\x02\x1b~A\r\n"; }
    std::filesystem::resize_file(huge, tessaline::kReadLimit + 1);

    for (const std::string& file : {pipe, huge}) {
        for (const std::vector<std::string>& words :
             {std::vector<std::string>{"parse", file}, {"check", file}, {"--yes", "send", file}}) {
            const auto start = std::chrono::steady_clock::now();
            // Without a limit a run that waits on the pipe would hang the test; one that reads
            // the whole file would take seconds.
            std::vector<std::string> arguments = {"--language", "en", "--tcp",
                                                  "127.0.0.1:" + std::to_string(sim_->port())};
            arguments.insert(arguments.end(), words.begin(), words.end());
            const CliResult run = process_.run(arguments, std::chrono::seconds(20));
            ASSERT_FALSE(run.killed) << words.front() << " " << file;
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
            EXPECT_EQ(run.status, 20) << words.front() << " " << file;
            EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
            EXPECT_EQ(run.out, "");
        }
    }
    EXPECT_EQ(wire(), "");
}

} // namespace
