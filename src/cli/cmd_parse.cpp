#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/configuration_file.h"
#include "cli/json_text.h"
#include "cli/option_values.h"
#include "cli/terminal_prompter.h"
#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "config/printer_models.h"
#include "platform/code_page.h"
#include "platform/user_language.h"
#include "text/messages.h"
#include "text/region.h"

#include <cstdio>
#include <optional>

namespace tessaline::cli {

namespace {

constexpr int kDefaultModel = 0;

// Shows the message of an error code and the detail on standard error and returns the code as
// exit status.
int failWithCode(const CliOptions& options, Region region, int code, const ErrorDetail& detail) {
    TerminalPrompter prompter(options.yes);
    ShowErrorCode(prompter, region, code);
    SayDetail(detail, region);
    return code;
}

// The key of the first key-table entry that carries record n; empty for the counter records.
std::string_view keyOfRecord(int n) {
    for (const auto& entry : keyTable())
        if (entry.record == n) return entry.key;
    return {};
}

bool shown(const SettingValue& value) {
    return value.selected == 1 || value.invalid != 0;
}

void printJson(const ConfigurationRecordSet& set) {
    std::string out = "{\"model\": " + std::to_string(set.modelIndex) + ", \"records\": [";
    bool first = true;
    for (int n = 0; n < kRecordCount; ++n) {
        const SettingValue& value = set.record(n);
        if (!shown(value)) continue;
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"record\": " + std::to_string(n) + ", \"key\": " + jsonQuoted(keyOfRecord(n)) +
               ", \"selected\": " + std::to_string(value.selected) +
               ", \"valueText\": " + jsonQuoted(value.valueText) +
               ", \"unitText\": " + jsonQuoted(value.unitText) +
               ", \"invalid\": " + std::to_string(value.invalid) +
               ", \"valueIndex\": " + std::to_string(value.valueIndex) +
               ", \"unitIndex\": " + std::to_string(value.unitIndex) + "}";
    }
    out += first ? "]}\n" : "\n]}\n";
    std::fputs(out.c_str(), stdout);
}

void printPlain(const ConfigurationRecordSet& set) {
    std::printf("model %d: %.*s\n", set.modelIndex,
                static_cast<int>(modelNames()[set.modelIndex].size()),
                modelNames()[set.modelIndex].data());
    for (int n = 0; n < kRecordCount; ++n) {
        const SettingValue& value = set.record(n);
        if (!shown(value)) continue;
        const std::string_view key = keyOfRecord(n);
        std::printf("%3d %-28.*s value \"%s\" unit \"%s\" position %d unit position %d%s\n", n,
                    static_cast<int>(key.size()), key.data(), value.valueText.c_str(),
                    value.unitText.c_str(), value.valueIndex, value.unitIndex,
                    value.invalid ? "  INVALID" : "");
    }
}

} // namespace

int runParse(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1) {
        std::fprintf(stderr, "tessaline-cli: parse takes one FILE\n");
        return kUsageError;
    }
    const auto model =
        options.model.empty() ? std::optional<int>(kDefaultModel) : modelFromOption(options.model);
    if (!model) {
        std::fprintf(stderr, "tessaline-cli: unknown model %s (0..5 or a model name)\n",
                     options.model.c_str());
        return kUsageError;
    }
    const auto region = options.language.empty() ? std::optional<Region>(userRegion())
                                                 : regionFromOption(options.language);
    if (!region) {
        std::fprintf(stderr, "tessaline-cli: unknown language %s (en, ja, zh or ko)\n",
                     options.language.c_str());
        return kUsageError;
    }

    ConfigurationRecordSet set;
    set.modelIndex = *model;
    ClearConfiguration(set);
    const NamedFile file = readNamedFile(arguments[0]);
    if (!file.ok()) return failWithCode(options, *region, flow::kImportErrorCode, file.failure);
    const auto stream = recogniseConfigurationStream(joinFileLines(file.bytes), false);
    if (!stream.recognised)
        return failWithCode(options, *region, flow::kImportErrorCode,
                            FileDetail(DetailPhrase::NotConfiguration, arguments[0]));
    set.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(set, ParseMode::Apply);

    if (options.json) {
        printJson(set);
    } else {
        printPlain(set);
    }
    return 0;
}

} // namespace tessaline::cli
