#include "platform/named_lock.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace tessaline {
namespace {

std::string uniqueName(const char* base) {
    return std::string(base) + std::to_string(::getpid());
}

TEST(NamedLock, OneHolderAtATime) {
    const std::string name = uniqueName("tessaline-test-lock-");
    {
        auto first = NamedLock::TryAcquire(name);
        ASSERT_TRUE(first);
        EXPECT_FALSE(NamedLock::TryAcquire(name));
        // Another process sees it held too.
        const pid_t child = ::fork();
        if (child == 0) ::_exit(NamedLock::TryAcquire(name) ? 0 : 3);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 3);
        EXPECT_FALSE(NamedLock::AcquireWithin(name, std::chrono::milliseconds(60)));
    }
    EXPECT_TRUE(NamedLock::TryAcquire(name));
}

TEST(NamedLock, WaitsForTheHolderToLetGo) {
    const std::string name = uniqueName("tessaline-test-wait-");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        auto held = NamedLock::TryAcquire(name);
        char c = held ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::usleep(150 * 1000);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_TRUE(NamedLock::AcquireWithin(name, std::chrono::seconds(5)));
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
} // namespace tessaline
