// Usage errors, the settings file, a serial printer on a pseudo-terminal and print queues of a
// private cupsd, through tessaline-cli.
#include "cli_fixture.h"
#include "cli_json.h"
#include "support/private_cupsd.h"

#include <chrono>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

namespace {

TEST(CliUsage, UsageErrorsExitWithTwoAndTouchNothing) {
    CliProcess process;
    const std::vector<std::vector<std::string>> cases = {
        {"--tcp"},
        {"--tcp", "127.0.0.1:0", "status"},
        {"--tcp", ":9100", "status"},
        {"--tcp", "127.0.0.1", "--serial", "/dev/ttyS0", "status"},
        {"--serial", "/dev/ttyS0,9600,9", "status"},
        {"--serial", "/dev/ttyS0,9600,8,3", "status"},
        {"--serial", "/dev/ttyS0,9600,8,1,Q", "status"},
        {"--serial", "/dev/ttyS0,9600,8,1,N,Z", "status"},
        {"--usb", "USB1", "status"},
        {"--model", "9", "defaults"},
        {"--language", "fr", "defaults"},
        {"send"},
        {"export", "a.prn"},
        {"receive", "everything"},
        {"receive", "-o"},
        {"receive", "advanced"}, // without the Advanced tab
        {"calibrate", "--media", "dots"},
        {"calibrate", "--config-set", "4"},
        {"selfinfo", "--keep"},
        {"status", "now"},
        {"frobnicate"},
    };
    for (const auto& words : cases) {
        const CliResult run = process.run(words);
        EXPECT_EQ(run.status, 2) << words.back();
        EXPECT_NE(run.err.find("tessaline-cli: "), std::string::npos) << words.back();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(process.settingsPath()));
}

TEST_F(CliTest, SettingsFileGivesTheDefaultsAndIsNeverWritten) {
    startSim();
    const std::string settings = "[Tessaline]\r\nPORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\n"
                                 "PORT_NUMBER=" +
                                 std::to_string(sim_->port()) +
                                 "\r\nPRINTER_MODEL=RV-943\r\nREGION=1\r\n";
    std::ofstream(process_.settingsPath(), std::ios::binary) << settings;

    const CliResult send = process_.run({"--yes", "send", kExamples + "rv943-advanced.prn"});
    ASSERT_EQ(send.status, 0) << send.err;
    const CliResult japanese = process_.run({"check", process_.folder("missing.prn")});
    EXPECT_EQ(japanese.status, 20);
    EXPECT_NE(japanese.err.find("ファイル入力エラー"), std::string::npos) << japanese.err;
    EXPECT_EQ(CliProcess::read(process_.settingsPath()), settings);
    EXPECT_FALSE(std::filesystem::exists(process_.folder("config/tessaline/Recent.dat")));
    const CliResult json = process_.run({"--json", "check", kExamples + "rv943-advanced.prn"});
    EXPECT_EQ(parsedJson(json.out)["model"], 3) << json.out;
    EXPECT_NE(afterPrefix(wire()).find("PRINT SPEED\t:\t8 IPS\r\n"), std::string::npos);
}

TEST_F(CliTest, ReceiveWhileAnotherProgramReceives) {
    startSim();
    std::filesystem::create_directories(process_.folder("run"));
    const std::string lock = process_.folder("run/mtx_recv_config.lock");
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const CliResult run = cli({"--yes", "receive"});
    ::close(fd);
    EXPECT_EQ(run.status, 82);
    // Said as that, not as a reception error, though the exit status is the code 82.
    EXPECT_EQ(run.err,
              "Another program is receiving from the printer. Try again when it has finished.\n");
    EXPECT_EQ(cli({"--yes", "receive"}).status, 0);
}

// Whether a process holds an flock on `path`, read from /proc/locks so that looking never takes
// the lock away from the program under test.
bool lockedByAProcess(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    const std::string inode = ":" + std::to_string(st.st_ino) + " ";
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);)
        if (line.find("FLOCK") != std::string::npos && line.find(inode) != std::string::npos)
            return true;
    return false;
}

TEST_F(CliTest, ReceiveHoldsItsLockWhileThePrinterAnswers) {
    startSim({"--delay", "700"});
    const std::string lock = process_.folder("run/mtx_recv_config.lock");
    CliResult run;
    std::thread receive([&] { run = cli({"--yes", "receive"}); });
    bool held = false;
    for (int i = 0; i < 500 && !held; ++i) {
        held = lockedByAProcess(lock);
        if (!held) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    receive.join();
    EXPECT_TRUE(held);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(lockedByAProcess(lock)); // released when the tool ends
}

TEST(CliSerial, ReceiveAndStatusOverAPseudoTerminal) {
    CliProcess process;
    const std::string link = process.folder("ttySIM");
    SimProcess sim({"--pty", link, "--record", process.folder("record.bin")});
    ASSERT_TRUE(sim.running());
    const CliResult received =
        process.run({"--yes", "--serial", link + ",19200,8,1,N,H", "receive"});
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_NE(received.out.find("HOST NAME\t:\tPRINTSERVERXXYYZZ\n"), std::string::npos);
    const CliResult status = process.run({"--serial", link, "status"});
    EXPECT_EQ(status.status, 0) << status.err;
    EXPECT_NE(status.out.find("Paper Error : No"), std::string::npos);
    sim.stop();
    EXPECT_NE(CliProcess::read(process.folder("record.bin")).find("SEND CONFIG\t:\tALL\r\n"),
              std::string::npos);
}

TEST(CliSerial, SendOverAPseudoTerminalArrivesWhole) {
    CliProcess process;
    const std::string link = process.folder("ttySIM");
    SimProcess sim({"--pty", link});
    ASSERT_TRUE(sim.running());
    const std::string serial = link + ",9600,8,1,N,X";
    const CliResult send =
        process.run({"--yes", "--serial", serial, "send", kExamples + "rv940-standard.prn"});
    ASSERT_EQ(send.status, 0) << send.err;
    const CliResult received = process.run({"--yes", "--serial", serial, "receive"});
    ASSERT_EQ(received.status, 0) << received.err;
    EXPECT_NE(received.out.find("HOST NAME\t:\tLABELS-01\n"), std::string::npos);
}

class CliQueue : public CliTest {
protected:
    void SetUp() override {
        if (!PrivateCupsd::installed()) GTEST_SKIP() << "cupsd is not installed";
        cupsd_ = std::make_unique<PrivateCupsd>();
        ASSERT_TRUE(cupsd_->running());
    }
    std::unique_ptr<PrivateCupsd> cupsd_;
};

TEST_F(CliQueue, SendThroughAQueueAndReceiveFromThePortBehindIt) {
    startSim();
    const std::string port = std::to_string(sim_->port());
    ASSERT_TRUE(cupsd_->addQueue("Kaldora-net", "socket://127.0.0.1:" + port));
    ASSERT_TRUE(cupsd_->addQueue("office", "file:///dev/null"));

    const CliResult ports = process_.run({"ports"});
    ASSERT_EQ(ports.status, 0) << ports.err;
    EXPECT_NE(ports.out.find("queue\tKaldora-net\tNET\t127.0.0.1, " + port + "\n"),
              std::string::npos)
        << ports.out;
    EXPECT_NE(ports.out.find("queue\toffice\t-\tfile:///dev/null\n"), std::string::npos);
    EXPECT_NE(ports.out.find("usb\tUSB_AUTO\n"), std::string::npos);
    const nlohmann::json queues = parsedJson(process_.run({"--json", "ports"}).out)["queues"];
    EXPECT_TRUE(std::any_of(queues.begin(), queues.end(), [](const nlohmann::json& queue) {
        return queue["name"] == "Kaldora-net" && queue["kind"] == "NET";
    })) << queues;

    const std::string file = kExamples + "rv940-standard.prn";
    const CliResult send = process_.run({"--yes", "--queue", "Kaldora-net", "send", file});
    ASSERT_EQ(send.status, 0) << send.err;
    const std::string text = withoutCr(process_.run({"check", file}).out);
    std::string got;
    for (int i = 0; i < 200 && got.find(text) == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        got = withoutCr(CliProcess::read(recordPath()));
    }
    EXPECT_NE(got.find(text), std::string::npos);

    const CliResult received = process_.run({"--yes", "--queue", "Kaldora-net", "receive"});
    EXPECT_EQ(received.status, 0) << received.err;
    EXPECT_NE(received.out.find("HOST NAME\t:\tLABELS-01\n"), std::string::npos);

    const CliResult other = process_.run({"--yes", "--queue", "office", "status"});
    EXPECT_EQ(other.status, 40); // a queue on a port of no kind the program opens
    EXPECT_NE(other.err.find("code : 40\n"), std::string::npos) << other.err;
    EXPECT_NE(other.err.find("tessaline-cli: office: this is no interface the program can open."),
              std::string::npos)
        << other.err;
    const CliResult missing = process_.run({"--yes", "--queue", "nowhere", "send", file});
    EXPECT_EQ(missing.status, 40);
    EXPECT_NE(missing.err.find("no print queue named nowhere"), std::string::npos);
}

} // namespace
