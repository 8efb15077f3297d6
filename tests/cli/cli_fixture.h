#pragma once

// tessaline-cli against a simulated printer on loopback TCP.

#include "cli_process.h"
#include "support/sim_process.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

#include <memory>

inline const std::string kExamples = TESSALINE_SOURCE_DIR "/resources/examples/";

// The text without its CR characters, as the tool prints configuration texts.
inline std::string withoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

class CliTest : public ::testing::Test {
protected:
    void startSim(std::vector<std::string> simArgs = {}) {
        simArgs.insert(simArgs.begin(), {"--tcp", "127.0.0.1:0", "--record", recordPath()});
        sim_ = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim_->running());
    }
    // Runs the tool in English on the simulator's address.
    CliResult cli(std::vector<std::string> words) const {
        const std::vector<std::string> lead = {"--language", "en", "--tcp",
                                               "127.0.0.1:" + std::to_string(sim_->port())};
        words.insert(words.begin(), lead.begin(), lead.end());
        return process_.run(words);
    }
    std::string recordPath() const { return process_.folder("record.bin"); }
    // Everything the simulator received; stops it first so that its record is complete.
    std::string wire() {
        sim_->stop();
        return CliProcess::read(recordPath());
    }
    // The configuration texts that followed a command prefix on the wire.
    static std::string afterPrefix(const std::string& bytes) {
        const auto at = bytes.find(tessaline::CommandPrefix);
        return at == std::string::npos ? std::string()
                                       : bytes.substr(at + tessaline::CommandPrefix.size());
    }

    CliProcess process_;
    std::unique_ptr<SimProcess> sim_;
};
