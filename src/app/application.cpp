#include "app/application.h"

#include "app/settings_file.h"
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

bool CBrightwickApp::InitInstance() {
    LockResult lock = NamedLock::TryAcquire(options_.lockName);
    if (!lock) {
        lockError_ = lock.error();
        return false;
    }
    lock_ = std::move(lock.lock());
    state_.programFolder =
        options_.programFolder.empty() ? ProgramFolder() : options_.programFolder;
    state_.configFolder =
        options_.configFolder.empty() ? ConfigFolder(state_.programFolder) : options_.configFolder;
    const uint16_t language =
        options_.primaryLanguage ? options_.primaryLanguage : UserPrimaryLanguage();
    state_.loaded = LoadSettingsFile(state_.configFolder, language);
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
    SaveChangedSettings(settingsPath(), mask, current,
                        [](std::string_view b) { return fromAnsi(b); });
    window.ConfirmedExit();
    return true;
}

} // namespace tessaline
