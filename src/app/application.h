#pragma once

#include "app/main_window.h"
#include "app/prompter.h"
#include "platform/named_lock.h"

#include <memory>
#include <optional>
#include <string>

namespace tessaline {

// Exit codes of the program.
inline constexpr int kExitSecondCopy = 10;  // another copy is running
inline constexpr int kExitLockRefused = 11; // the single-copy lock could not be taken safely
inline constexpr int kExitCloseBox = 2;     // closed through the window's close box
inline constexpr int kExitCommand = 0;      // the Exit command

// The application object: what lives for the whole run, the single-copy lock, the settings
// loaded at start and written back at a confirmed exit.
class CBrightwickApp {
public:
    struct Options {
        std::string programFolder; // empty: the executable's folder
        std::string configFolder;  // empty: chosen from the program folder
        std::string lockName = "tessaline";
        uint16_t primaryLanguage = 0; // 0: the user's
        ChannelSetup channel;         // for the window's printer session
    };

    explicit CBrightwickApp(Options options);

    // Takes the single-copy lock, reads the user's language and the settings file. False when
    // the lock was not taken: another copy holds it (the program then ends with
    // kExitSecondCopy), or it could not be taken safely; lockError() tells which.
    bool InitInstance();
    const LockError& lockError() const { return lockError_; }
    // Where the running copy listens for a second start: beside the lock file, in the user's
    // own lock folder, so that no other user's copy is ever reached. Empty when the lock
    // folder is unknown (the lock could not be taken safely).
    std::string instanceSocketPath() const;

    ApplicationState& state() { return state_; }
    std::string settingsPath() const;

    // The exit question; on Yes the changed keys are written and the last configuration saved.
    // When either cannot be saved (or there is no settings folder), the person is told why and
    // asked whether to exit all the same. Returns true when the program may close.
    bool ConfirmExitAndSave(MainWindowModel& window, Prompter& prompter);

    // Releases the lock (when the main window has returned).
    void ReleaseInstance() { lock_.reset(); }

private:
    Options options_;
    ApplicationState state_;
    std::optional<NamedLock> lock_;
    LockError lockError_;
};

} // namespace tessaline
