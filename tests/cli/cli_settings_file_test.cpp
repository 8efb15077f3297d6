// The tool only reads "Tessaline.ini": a pipe, a device or another user's file there is neither
// waited on nor trusted nor touched, and the person is told it was not read.
#include "cli_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(CliSettingsFile, AFileThatCannotBeReadGivesTheDefaultsAndStaysAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* cause;
        mode_t type;
    };
    const Case cases[] = {
        {"named pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         "not a regular file", S_IFIFO},
        {"link to /dev/zero",
         [](const std::string& path) { ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0); },
         "not a regular file", S_IFLNK},
        {"another user's",
         [](const std::string& path) {
             std::ofstream(path) << "[Tessaline]\nPRINTER_MODEL=RV-943\n";
             ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
         },
         "belongs to another user", S_IFREG},
    };
    for (const auto& c : cases) {
        CliProcess process;
        c.make(process.settingsPath());
        const CliResult run = process.run({"--language", "en", "defaults"});
        EXPECT_EQ(run.status, 0) << c.what << run.err;
        EXPECT_NE(run.err.find(process.settingsPath() + " could not be read: "), std::string::npos)
            << c.what << run.err;
        EXPECT_NE(run.err.find(c.cause), std::string::npos) << c.what << run.err;
        // The model's defaults, not the file's model.
        EXPECT_EQ(run.out, process.run({"--language", "en", "--model", "0", "defaults"}).out);
        struct stat st {};
        ASSERT_EQ(::lstat(process.settingsPath().c_str(), &st), 0) << c.what;
        EXPECT_EQ(st.st_mode & S_IFMT, c.type) << c.what;
        EXPECT_NE(::access((process.settingsPath() + ".bad").c_str(), F_OK), 0) << c.what;
    }
}

} // namespace
