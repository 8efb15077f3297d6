#include "cli/cli_session.h"

#include "app/application.h"
#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/interface_option.h"
#include "cli/option_values.h"
#include "config/printer_models.h"
#include "platform/config_folder.h"
#include "platform/host_lookup.h"
#include "platform/named_lock.h"
#include "platform/user_language.h"
#include "text/messages.h"
#include "text/text_tables.h"
#include "transport/ipv4_address.h"
#include "transport/port_discovery.h"

#include <cstdio>
#include <filesystem>
#include <stdlib.h>

namespace tessaline::cli {

namespace {

constexpr std::string_view kAdvancedTabOn = "ON";
constexpr const char* kFolderPattern = "tessaline-cli-XXXXXX";

} // namespace

EmptyFolder::EmptyFolder() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / kFolderPattern).string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

EmptyFolder::~EmptyFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

CliSession::CliSession(const CliOptions& options)
    : options_(options), terminal_(options.yes), person_(terminal_),
      session_(SessionSetup{{}, &spooler_, &io_}) {}

int CliSession::start() {
    std::optional<int> model;
    if (!options_.model.empty()) {
        model = modelFromOption(options_.model);
        if (!model)
            return usageError("unknown model " + options_.model + " (0..5 or a model name)");
    }
    std::optional<Region> language;
    if (!options_.language.empty()) {
        language = regionFromOption(options_.language);
        if (!language)
            return usageError("unknown language " + options_.language + " (en, ja, zh or ko)");
    }

    app_.programFolder = ProgramFolder();
    app_.loaded = LoadSettingsFile(ConfigFolder(app_.programFolder), UserPrimaryLanguage());
    app_.current = app_.loaded;
    if (model) app_.current.printerModel = std::string(modelNames()[static_cast<size_t>(*model)]);
    if (language) app_.current.region = static_cast<int32_t>(*language);
    if (options_.advanced) {
        app_.current.advancedTab = std::string(kAdvancedTabOn);
    }
    std::string error;
    if (!applyInterfaceOption(options_.interface, options_.interfaceValue, app_.current, error))
        return usageError(error);
    requested_ = app_.current;
    app_.configFolder = recentFolder_.path();

    MainWindowServices services;
    services.prompter = &person_;
    services.session = &session_;
    // A printer named by its address needs no queues; the spooler is not asked.
    services.spooler = requested_.portType == PortType::Network ? nullptr : &spooler_;
    services.discovery = discovery_;
    services.resolve = ResolveHostIpv4;
    services.showSelfInfo = [this](const SelfInfoTexts& texts) { selfInfo_ = texts; };
    receiveLockName_ = services.receiveLockName;

    if (options_.interface == InterfaceChoice::Tcp && !isDottedAddress(requested_.portName) &&
        !ResolveHostIpv4(requested_.portName)) {
        const Region region = RegionFromNumber(app_.current.region).value_or(Region::English);
        std::fprintf(stderr, "tessaline-cli: the host %s is not known\n",
                     requested_.portName.c_str());
        ShowErrorCode(person_, region, flow::kOpenErrorCode);
        return person_.exitStatus();
    }

    window_.emplace(app_, std::move(services));
    window_->Initialise();
    if (options_.advanced) window_->ConfirmAdvancedWarning();
    person_.setFailureMessage(
        std::string(GuideText(flow::kSensorAdjustmentFailedGuide, window_->region())));
    return ensureInterface();
}

// The window selects saved ports only from its lists. A port the discovery does not list (a
// pseudo-terminal, a port not plugged in yet) is added to its list so that it can be chosen.
int CliSession::ensureInterface() {
    InterfacePanel& panel = window_->interfaces();
    const ChoiceList* list = nullptr;
    switch (options_.interface) {
    case InterfaceChoice::Saved:
    case InterfaceChoice::Tcp:
        return 0;
    case InterfaceChoice::Queue:
        if (panel.group() == InterfacePanel::DriverName &&
            panel.queues().text() == requested_.portName)
            return 0;
        std::fprintf(stderr, "tessaline-cli: there is no print queue named %s\n",
                     requested_.portName.c_str());
        return fail(flow::kNoInterfaceCode);
    case InterfaceChoice::Serial:
        list = &panel.serialPorts();
        break;
    case InterfaceChoice::Parallel:
        list = &panel.parallelPorts();
        break;
    case InterfaceChoice::Usb:
        list = &panel.usbPorts();
        break;
    }
    if (list->text() == requested_.portName) return 0;
    PortLists ports = FillPortLists(discovery_);
    std::vector<std::string>& entries = options_.interface == InterfaceChoice::Serial ? ports.serial
                                        : options_.interface == InterfaceChoice::Parallel
                                            ? ports.parallel
                                            : ports.usb;
    entries.push_back(requested_.portName);
    panel.fill(ListPrinterQueues(spooler_, discovery_), ports);
    app_.current.portType = requested_.portType;
    app_.current.portName = requested_.portName;
    panel.applySavedSettings(app_.current, app_.driverPort, ResolveHostIpv4);
    return 0;
}

int CliSession::fail(int code) {
    const Region region = window_ ? window_->region()
                                  : RegionFromNumber(app_.current.region).value_or(Region::English);
    ShowErrorCode(person_, region, code);
    return person_.exitStatus();
}

bool CliSession::importFile(const std::string& path) {
    terminal_.queueFile(path);
    window_->OnImport();
    return person_.succeeded();
}

bool CliSession::prepareSendText() {
    person_.answerNextQuestion(false);
    window_->OnSendConfiguration();
    return person_.takeScriptedAnswerUsed() && person_.succeeded();
}

bool CliSession::receiveLockFree() {
    const LockResult lock = NamedLock::TryAcquire(receiveLockName_);
    if (lock) return true;
    if (lock.heldByAnother()) {
        ShowOwnMessage(person_, region(), OwnMessage::ReceiveBusy);
        person_.recordCode(flow::kReceptionErrorCode);
    } else {
        std::fprintf(stderr, "tessaline-cli: %s\n", lock.error().detail.c_str());
        fail(flow::kReceptionErrorCode);
    }
    return false;
}

bool CliSession::receive() {
    if (!receiveLockFree()) return false;
    window_->OnReceive();
    if (!person_.succeeded()) return false;
    if (window_->receiveMode() == ReceiveMode::Failed) {
        fail(flow::kReceptionErrorCode); // e.g. the counters did not come
        return false;
    }
    return true;
}

bool CliSession::selfInformation() {
    if (!receiveLockFree()) return false;
    window_->OnSelfInfo();
    if (!person_.succeeded()) return false;
    if (!selfInfo_) {
        fail(flow::kReceptionErrorCode); // the wait for the receive ran out
        return false;
    }
    return true;
}

} // namespace tessaline::cli
