#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/configuration_file.h"
#include "cli/option_values.h"
#include "cli/run_reply.h"
#include "cli/terminal_prompter.h"
#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "config/printer_models.h"
#include "pages/settings_editor.h"
#include "platform/code_page.h"
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
    SayCode(prompter, region, code);
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

// A record's value as the pages show it: the word of its list position and unit position in the
// pages' language, or the text it holds where the pages show text.
struct ShownValue {
    std::string value;
    std::string unit;
};

std::string itemAt(const std::vector<std::string>& items, int index) {
    return index >= 0 && static_cast<size_t>(index) < items.size() ? items[index] : std::string();
}

ShownValue shownValue(const SettingsEditor& editor, const SettingValue& value) {
    for (const RowPage* rows : {&editor.standard.rows(), &editor.advanced.rows()}) {
        for (int i = 0; i < rows->size(); ++i) {
            if (rows->slot(i) != &value) continue;
            const SettingRow& row = rows->row(i);
            const RowState& state = rows->state(i);
            ShownValue out{value.valueText, value.unitText};
            if (row.hasValueList()) out.value = itemAt(state.items, value.valueIndex);
            if (row.hasUnitList()) out.unit = itemAt(state.units, value.unitIndex);
            return out;
        }
    }
    return {value.valueText, value.unitText};
}

void printJson(const ConfigurationRecordSet& set, const SettingsEditor& editor) {
    auto records = nlohmann::ordered_json::array();
    for (int n = 0; n < kRecordCount; ++n) {
        const SettingValue& value = set.record(n);
        if (!shown(value)) continue;
        const ShownValue words = shownValue(editor, value);
        records.push_back({{"record", n},
                           {"key", keyOfRecord(n)},
                           {"value", words.value},
                           {"unit", words.unit},
                           {"selected", static_cast<int>(value.selected)},
                           {"valueText", value.valueText},
                           {"unitText", value.unitText},
                           {"invalid", static_cast<int>(value.invalid)},
                           {"valueIndex", value.valueIndex},
                           {"unitIndex", value.unitIndex}});
    }
    runReply().addData({{"model", set.modelIndex}, {"records", std::move(records)}});
}

void printPlain(const ConfigurationRecordSet& set, const SettingsEditor& editor) {
    std::printf("model %d: %.*s\n", set.modelIndex,
                static_cast<int>(modelNames()[set.modelIndex].size()),
                modelNames()[set.modelIndex].data());
    for (int n = 0; n < kRecordCount; ++n) {
        const SettingValue& value = set.record(n);
        if (!shown(value)) continue;
        const std::string_view key = keyOfRecord(n);
        const ShownValue words = shownValue(editor, value);
        std::string text = words.value;
        if (!words.unit.empty()) text += (text.empty() ? "" : " ") + words.unit;
        std::printf("%3d %-28.*s %s%s\n", n, static_cast<int>(key.size()), key.data(), text.c_str(),
                    value.invalid ? "  INVALID" : "");
    }
}

} // namespace

int runParse(const CliOptions& options, std::span<const std::string> arguments) {
    if (arguments.size() != 1) return usageError("parse takes one FILE");
    const auto model =
        options.model.empty() ? std::optional<int>(kDefaultModel) : modelFromOption(options.model);
    if (!model) return usageError("unknown model " + options.model + " (0..5 or a model name)");
    const auto region = options.language.empty() ? std::optional<Region>(userRegion())
                                                 : regionFromOption(options.language);
    if (!region) return usageError("unknown language " + options.language + " (en, ja, zh or ko)");

    ConfigurationRecordSet set;
    SettingsEditor editor(set);
    set.modelIndex = *model;
    ClearConfiguration(set);
    // The pages' lists in the chosen language give the words of the list positions.
    editor.applyLanguage(*region);
    editor.resetPages(*model, *region);
    const NamedFile file = readNamedFile(arguments[0]);
    if (!file.ok()) return failWithCode(options, *region, flow::kImportErrorCode, file.failure);
    const auto stream = recogniseConfigurationStream(joinFileLines(file.bytes), false);
    if (!stream.recognised)
        return failWithCode(options, *region, flow::kImportErrorCode,
                            FileDetail(DetailPhrase::NotConfiguration, arguments[0]));
    set.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(set, ParseMode::Apply);

    if (options.json) {
        printJson(set, editor);
    } else {
        printPlain(set, editor);
    }
    return 0;
}

} // namespace tessaline::cli
