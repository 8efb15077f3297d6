#include "platform/interrupt_watch.h"

#include "platform/linux/unique_fd.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace tessaline {

namespace {

// The write end the signal handler tells the watch's thread through: a signal handler may do
// little more than write(2).
std::atomic<int> gInterruptPipe{-1};

constexpr char kInterruptByte = 'i';
constexpr char kStopByte = 's';

extern "C" void onSigint(int) {
    const int saved = errno;
    const int fd = gInterruptPipe.load();
    if (fd >= 0) {
        const char byte = kInterruptByte;
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

} // namespace

struct InterruptWatch::Watcher {
    UniqueFd readEnd;
    UniqueFd writeEnd;
    struct sigaction previous {};
    bool installed = false;
    sigset_t previousMask{};
    bool blocked = false;
    std::thread thread;
};

InterruptWatch::InterruptWatch(std::function<bool()> onInterrupt)
    : watcher_(std::make_unique<Watcher>()) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return; // no watch: Ctrl+C ends the program as usual
    watcher_->readEnd.reset(fds[0]);
    watcher_->writeEnd.reset(fds[1]);
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    gInterruptPipe.store(fds[1]);
    struct sigaction action {};
    action.sa_handler = onSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    watcher_->installed = ::sigaction(SIGINT, &action, &watcher_->previous) == 0;
    // A program started to ignore interrupts (a background job of a script) keeps ignoring them.
    if (watcher_->installed && watcher_->previous.sa_handler == SIG_IGN) {
        ::sigaction(SIGINT, &watcher_->previous, nullptr);
        watcher_->installed = false;
        gInterruptPipe.store(-1);
        return;
    }
    // The interrupt goes to the watch's thread alone: in the thread that waits on the printer it
    // would break off a wait that the session then cannot tell from a failure.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    watcher_->blocked = ::pthread_sigmask(SIG_BLOCK, &interrupt, &watcher_->previousMask) == 0;
    watcher_->thread =
        std::thread([this, onInterrupt = std::move(onInterrupt), fd = fds[0], interrupt] {
            ::pthread_sigmask(SIG_UNBLOCK, &interrupt, nullptr);
            for (;;) {
                char byte = 0;
                const ssize_t n = ::read(fd, &byte, 1);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0 || byte == kStopByte) return;
                if (interrupted_.exchange(true) || !onInterrupt())
                    std::_Exit(kInterruptedExitStatus);
            }
        });
}

InterruptWatch::~InterruptWatch() {
    if (watcher_->installed) ::sigaction(SIGINT, &watcher_->previous, nullptr);
    gInterruptPipe.store(-1);
    if (watcher_->blocked) ::pthread_sigmask(SIG_SETMASK, &watcher_->previousMask, nullptr);
    if (watcher_->thread.joinable()) {
        const char byte = kStopByte;
        while (::write(watcher_->writeEnd.get(), &byte, 1) < 0 && errno == EINTR) {}
        watcher_->thread.join();
    }
}

} // namespace tessaline
