#include "app/application.h"

#include "app/settings_file.h"
#include "app/settings_messages.h"
#include "config/printer_models.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/config_folder.h"
#include "platform/host_lookup.h"
#include "platform/user_language.h"
#include "text/messages.h"

namespace tessaline {

namespace {
constexpr int kExitQuestion = 12;
} // namespace

CBrightwickApp::CBrightwickApp(Options options) : options_(std::move(options)) {}

std::string CBrightwickApp::settingsPath() const {
    return state_.configFolder + "/" + std::string(kSettingsFileName);
}

std::string CBrightwickApp::instanceSocketPath() const {
    std::string path = lock_ ? lock_->path() : lockError_.path;
    if (path.ends_with(kLockFileSuffix)) path.resize(path.size() - kLockFileSuffix.size());
    if (path.empty()) return path;
    return path + ".socket";
}

bool CBrightwickApp::InitInstance() {
    LockResult lock = NamedLock::TryAcquire(options_.lockName);
    if (!lock) {
        lockError_ = lock.error();
        return false;
    }
    lock_ = std::move(lock.lock());
    state_.programFolder =
        options_.programFolder.empty() ? ProgramFolder() : options_.programFolder;
    if (options_.configFolder.empty()) {
        const ConfigFolderChoice folder =
            ChooseConfigFolder(state_.programFolder, CurrentConfigPlaces(), FolderUse::ReadWrite);
        state_.configFolder = folder.folder;
        state_.refusedFolder = folder.candidate;
        state_.folderProblem = FolderProblem(folder);
    } else {
        state_.configFolder = options_.configFolder;
    }
    const uint16_t language =
        options_.primaryLanguage ? options_.primaryLanguage : UserPrimaryLanguage();
    const SettingsAtStart start = LoadSettingsFile(state_.configFolder, language);
    state_.loaded = start.settings;
    state_.settingsUnreadable = start.problem;
    state_.current = state_.loaded;
    return true;
}

bool CBrightwickApp::ConfirmExitAndSave(MainWindowModel& window, Prompter& prompter) {
    InterfaceSettings& current = state_.current;
    if (window.tab() == TabIndex::Easy) window.standard.transferIn(window.easy.transferOut());
    window.interfaces().readInterfaceControls(current, state_.driverPort);
    const unsigned mask = ComputeChangeMask(state_.loaded, current, ResolveHostIpv4);
    const auto region = RegionFromNumber(current.region).value_or(Region::English);
    if (ShowMessage(prompter, region, kExitQuestion, MessageStyle::QuestionYesNo) !=
        MessageButton::Yes)
        return false;
    // Nothing is lost without a word: a failed save asks whether to exit all the same.
    const auto exitAnyway = [&](const std::string& file, const SettingsProblem& problem) {
        return prompter.askYesNo(SettingsNotSavedText(file, problem, region),
                                 MessageStyle::ExclamationYesNo) == MessageButton::Yes;
    };
    if (state_.configFolder.empty()) {
        const std::string refused =
            state_.refusedFolder.empty() ? std::string(kSettingsFileName) : state_.refusedFolder;
        return exitAnyway(refused, state_.folderProblem);
    }
    const SettingsSave save = SaveChangedSettings(settingsPath(), mask, current,
                                                  [](std::string_view b) { return fromAnsi(b); });
    if (!save) {
        if (!exitAnyway(settingsPath(), save.problem)) return false;
    } else {
        state_.loaded = current; // a second exit does not write the same keys again
        if (save.keptAside)
            prompter.showMessage(SettingsKeptAsideText(settingsPath(), save.problem, region),
                                 MessageStyle::ExclamationOk);
    }
    if (const SettingsProblem recent = window.ConfirmedExit(); recent)
        return exitAnyway(window.recentPath(), recent);
    return true;
}

} // namespace tessaline
