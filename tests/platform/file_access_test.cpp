// Files read whole are regular files within a limit, never waited on; files written for the
// person follow their umask and keep the mode of the file they replace.

#include "platform/atomic_file.h"
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {
namespace {

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(FileAccess, OnlyRegularFilesWithinTheLimitAreReadAndNothingWaits) {
    TempTree tree;
    tree.write("small.prn", "END\r\n");
    tree.folder("folder/inside");
    ASSERT_EQ(::mkfifo(tree.path("pipe").c_str(), 0600), 0);
    // A sparse file larger than the limit costs no disk.
    tree.write("huge.prn", "");
    ASSERT_EQ(::truncate(tree.path("huge.prn").c_str(), 64 << 20), 0);
    struct Case {
        const char* name;
        std::string path;
        bool read;
        ReadFailure why;
    };
    const Case cases[] = {
        {"regular file", tree.path("small.prn"), true, ReadFailure::None},
        {"missing", tree.path("missing.prn"), false, ReadFailure::CannotOpen},
        {"folder", tree.path("folder"), false, ReadFailure::NotARegularFile},
        {"named pipe without a writer", tree.path("pipe"), false, ReadFailure::NotARegularFile},
        {"a device", "/dev/zero", false, ReadFailure::NotARegularFile},
        {"over the limit", tree.path("huge.prn"), false, ReadFailure::TooLarge},
    };
    for (const auto& c : cases) {
        std::string bytes;
        ReadFailure why = ReadFailure::ReadFailed;
        EXPECT_EQ(readWholeFile(c.path, bytes, kReadLimit, &why), c.read) << c.name;
        EXPECT_EQ(why, c.why) << c.name;
    }
}

TEST(FileAccess, FilesForThePersonFollowTheUmaskAndKeepAReplacedFilesMode) {
    TempTree tree;
    const mode_t before = ::umask(027);
    const std::string fresh = tree.path("fresh.prn");
    EXPECT_TRUE(writeFileAtomically(fresh, "x", 0666, nullptr, FileModeRule::AsUserWishes));
    EXPECT_EQ(modeOf(fresh), 0640u);

    const std::string kept = tree.path("kept.prn");
    tree.write("kept.prn", "old");
    ::chmod(kept.c_str(), 0600);
    EXPECT_TRUE(writeFileAtomically(kept, "new", 0666, nullptr, FileModeRule::AsUserWishes));
    EXPECT_EQ(modeOf(kept), 0600u);

    // The program's own files get exactly their mode.
    const std::string own = tree.path("own.ini");
    EXPECT_TRUE(writeFileAtomically(own, "x", 0600));
    EXPECT_EQ(modeOf(own), 0600u);
    ::umask(before);
}

} // namespace
} // namespace tessaline
