#pragma once

// The start-up bench's probe: with TESSALINE_EXIT_AFTER_FIRST_FRAME set, a program prints its
// resident memory once the first frame of its window is painted, and ends at once.

#include "gui/after_first_frame.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessaline::gui {

inline constexpr char kExitAfterFirstFrame[] = "TESSALINE_EXIT_AFTER_FIRST_FRAME";

// "first-frame rss_kB=… hwm_kB=…" from /proc/self/status.
inline void PrintResidentMemory() {
    long rss = 0, hwm = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, "VmRSS:", 6) == 0) rss = std::atol(line + 6);
            if (std::strncmp(line, "VmHWM:", 6) == 0) hwm = std::atol(line + 6);
        }
        std::fclose(status);
    }
    std::printf("first-frame rss_kB=%ld hwm_kB=%ld\n", rss, hwm);
    std::fflush(stdout);
}

// Watches `window` when the bench asked for it.
inline void ReportFirstFrameWhenAsked(QWidget* window) {
    if (!std::getenv(kExitAfterFirstFrame)) return;
    AfterFirstFrame(window, [] {
        PrintResidentMemory();
        std::_Exit(0);
    });
}

} // namespace tessaline::gui
