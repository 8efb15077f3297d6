#include "cli/tool_context.h"

#include "app/flow_codes.h"
#include "app/settings_file.h"
#include "app/settings_messages.h"
#include "cli/commands.h"
#include "cli/interface_option.h"
#include "cli/option_values.h"
#include "cli/printer_choice.h"
#include "config/printer_models.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/config_folder.h"
#include "platform/host_lookup.h"
#include "platform/user_language.h"
#include "text/messages.h"
#include "text/text_tables.h"
#include "text/visible_text.h"
#include "transport/ipv4_address.h"

#include <cstdio>

namespace tessaline::cli {

namespace {

constexpr std::string_view kAdvancedTabOn = "ON";

void sayOnStandardError(const std::string& text) {
    std::fprintf(stderr, "tessaline-cli: %s\n", VisibleText(text, false).c_str());
}

} // namespace

ToolContext::ToolContext(const CliOptions& options)
    : options_(options), terminal_(options.yes), session_(SessionSetup{{}, &spooler_, nullptr}),
      editor_(records_) {}

int ToolContext::start() {
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

    // The tool only reads the settings: no folder is made and nothing is moved aside.
    const ConfigFolderChoice folder =
        ChooseConfigFolder(ProgramFolder(), CurrentConfigPlaces(), FolderUse::ReadOnly);
    const SettingsAtStart saved = LoadSettingsFile(folder.folder, UserPrimaryLanguage());
    InterfaceSettings settings = saved.settings;
    model_ = model ? *model : modelIndexOf(settings.printerModel);
    if (language) settings.region = static_cast<int32_t>(*language);
    region_ = RegionFromNumber(settings.region).value_or(Region::English);
    if (saved.problem)
        terminal_.showMessage(
            SettingsUnreadableText(folder.folder + "/" + std::string(kSettingsFileName),
                                   saved.problem, region_),
            MessageStyle::ExclamationOk);
    advancedTabOn_ = options_.advanced || settings.advancedTab == kAdvancedTabOn;
    editor_.setAdvancedCovered(options_.advanced);
    std::string error;
    if (!applyInterfaceOption(options_.interface, options_.interfaceValue, settings, error))
        return usageError(error);

    if (options_.interface == InterfaceChoice::Tcp && !isDottedAddress(settings.portName) &&
        !ResolveHostIpv4(settings.portName))
        return fail("the host " + settings.portName + " is not known", flow::kOpenErrorCode);
    resetPages();
    return selectPrinter(settings);
}

void ToolContext::resetPages() {
    editor_.applyLanguage(region_);
    ClearConfiguration(records_);
    records_.modelIndex = model_;
    editor_.resetPages(model_, region_);
    editor_.information.enableStatusGroup(emulation());
    // The other pages start from the Standard page's values, as when the window leaves it.
    editor_.copyStandardToOthers();
}

int ToolContext::selectPrinter(const InterfaceSettings& settings) {
    const std::optional<PrinterChoice> choice =
        ChoosePrinter(options_.interface, settings, spooler_);
    if (!choice)
        return fail("there is no print queue named " + settings.portName, flow::kNoInterfaceCode);
    if (choice->portBehindQueue)
        session_.select(choice->printer, *choice->portBehindQueue);
    else
        session_.select(choice->printer);
    return 0;
}

EmulationKind ToolContext::emulation() const {
    return editor_.standard.emulationKind();
}

void ToolContext::clearRecords() {
    records_.modelIndex = model_;
    ClearConfiguration(records_);
}

bool ToolContext::coverAdvanced() {
    if (editor_.advancedCovered()) return true;
    if (!ask(flow::kAdvancedWarningMessage)) return false;
    editor_.setAdvancedCovered(true);
    return true;
}

bool ToolContext::ask(int messageIndex) {
    return ShowMessage(terminal_, region_, messageIndex, MessageStyle::ExclamationYesNo) ==
           MessageButton::Yes;
}

bool ToolContext::askGuide(int guideIndex) {
    return askYesNo(std::string(GuideText(guideIndex, region_)), MessageStyle::ExclamationYesNo);
}

bool ToolContext::askYesNo(const std::string& text, MessageStyle style) {
    return terminal_.askYesNo(text, style) == MessageButton::Yes;
}

void ToolContext::showGuide(int guideIndex, MessageStyle style) {
    terminal_.showMessage(std::string(GuideText(guideIndex, region_)), style);
}

int ToolContext::fail(int code) {
    ShowErrorCode(terminal_, region_, code);
    return code;
}

int ToolContext::fail(const std::string& what, int code) {
    sayOnStandardError(what);
    return fail(code);
}

int ToolContext::fail(const SessionError& error) {
    sayOnStandardError(error.detail);
    // A cancelled exchange has no message of its own.
    return error.messageCode == code::kNone ? kDeclinedOrFailed : fail(error.messageCode);
}

int ToolContext::fail(const EditResult& result) {
    for (const RefusedSetting& setting : result.refused)
        sayOnStandardError(setting.key + ": value " + setting.value + " refused");
    return fail(result.messageCode);
}

} // namespace tessaline::cli
