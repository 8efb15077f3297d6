#pragma once

// Makes one system call fail with a chosen error number on one thread only: a seccomp filter
// that the kernel applies to that thread alone answers the call with the error, so the code
// under test meets a real failure of the real call.

#include <cstddef>
#include <functional>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <thread>

// Runs `body` on a thread of its own on which every call of system call `number` fails with
// `error`. False, without running `body`, when the system refuses the filter.
inline bool runWithFailingSyscall(long number, int error, const std::function<void()>& body) {
    bool filtered = false;
    std::thread worker([&] {
        sock_filter program[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(number), 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(error) & 0xFFFF)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        sock_fprog filter{static_cast<unsigned short>(std::size(program)), program};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return;
        if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0) return;
        filtered = true;
        body();
    });
    worker.join();
    return filtered;
}
