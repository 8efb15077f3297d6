#include "cli/tool_context.h"

#include "app/flow_codes.h"
#include "app/settings_file.h"
#include "app/settings_messages.h"
#include "cli/commands.h"
#include "cli/interface_option.h"
#include "cli/option_values.h"
#include "cli/printer_choice.h"
#include "cli/run_reply.h"
#include "config/choice_table.h"
#include "config/conversion_table.h"
#include "config/printer_models.h"
#include "config/value_conversion.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/config_folder.h"
#include "platform/host_lookup.h"
#include "platform/user_language.h"
#include "text/messages.h"
#include "text/text_tables.h"
#include "transport/ipv4_address.h"

#include <algorithm>
#include <cstdio>

namespace tessaline::cli {

namespace {

constexpr std::string_view kAdvancedTabOn = "ON";

// A refused setting for people: its key, its value as the file gives it and why the chosen model
// refuses it (not one of its words, outside its range, or not in a form the setting takes).
ErrorDetail refusedSettingDetail(const RefusedSetting& setting, int model) {
    ErrorDetail detail(DetailPhrase::SettingRefused);
    detail.text("key", setting.key).text("value", setting.value);
    const auto choices = choiceTable();
    const bool listed = std::any_of(choices.begin(), choices.end(),
                                    [&](const ChoiceRow& row) { return row.key == setting.key; });
    const int conversion = conversionRowOf(setting.key);
    std::optional<std::string> range;
    if (!listed && conversion >= 0)
        range = AcceptedRangeText(conversionTable()[static_cast<size_t>(conversion)], model);
    if (listed)
        detail.phrase("reason", DetailPhrase::ReasonNotInList);
    else if (range)
        detail.phrase("reason", DetailPhrase::ReasonRange).text("range", std::move(*range));
    else
        detail.phrase("reason", DetailPhrase::ReasonForm);
    return detail;
}

} // namespace

void SayDetail(const ErrorDetail& detail, Region region) {
    const std::string line = RenderDetail(detail, region);
    std::fprintf(stderr, "tessaline-cli: %s\n", line.c_str());
    runReply().addDetail(line);
}

MessageButton FailureMessages::askYesNo(const std::string& text, MessageStyle style) {
    return terminal_.askYesNo(text, style);
}

void FailureMessages::showMessage(const std::string& text, MessageStyle style,
                                  const std::string& caption) {
    terminal_.showMessage(text, style, caption);
    runReply().setMessage(caption.empty() ? text : caption + ": " + text);
}

std::optional<std::string> FailureMessages::chooseFile(const FileChoice& choice) {
    return terminal_.chooseFile(choice);
}

void SayCode(Prompter& terminal, Region region, int code) {
    FailureMessages failures(terminal);
    ShowErrorCode(failures, region, code);
}

ToolContext::ToolContext(const CliOptions& options)
    : options_(options), terminal_(options.yes), session_(SessionSetup{{}, &spooler_, nullptr}),
      interrupts_([this] { return session_.cancel(); }), editor_(records_) {}

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
        return fail(flow::kOpenErrorCode,
                    ErrorDetail(DetailPhrase::HostUnknown).text("interface", settings.portName));
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
        return fail(flow::kNoInterfaceCode,
                    ErrorDetail(DetailPhrase::NoSuchQueue).text("interface", settings.portName));
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
    ShowErrorCode(failures_, region_, code);
    return code;
}

int ToolContext::fail(int code, const ErrorDetail& detail) {
    fail(code);
    SayDetail(detail, region_);
    return code;
}

int ToolContext::fail(const SessionError& error) {
    // A cancelled exchange has no message of its own.
    if (error.cause == FailureCause::Cancelled) {
        SayDetail(error.detail, region_);
        return kInterruptedExitStatus;
    }
    if (error.messageCode == code::kNone) {
        SayDetail(error.detail, region_);
        return kDeclinedOrFailed;
    }
    return fail(error.messageCode, error.detail);
}

int ToolContext::fail(const EditResult& result) {
    fail(result.messageCode);
    for (const RefusedSetting& setting : result.refused)
        SayDetail(refusedSettingDetail(setting, model_), region_);
    return result.messageCode;
}

} // namespace tessaline::cli
