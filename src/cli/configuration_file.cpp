#include "cli/configuration_file.h"

#include "app/flow_codes.h"
#include "app/recent_configuration.h"
#include "cli/commands.h"
#include "platform/atomic_file.h"
#include "text/text_tables.h"

#include <algorithm>

namespace tessaline::cli {

namespace {

constexpr mode_t kExportFileMode = 0644;
constexpr std::string_view kSeparator = "\t:\t";

// The value the line "KEY\t:\tVALUE[\tUNIT]" of a configuration text gives, as "VALUE[ UNIT]";
// nullopt when no line gives the key.
std::optional<std::string> valueGiven(std::string_view text, std::string_view key) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!line.starts_with(key) || !line.substr(key.size()).starts_with(kSeparator)) continue;
        std::string value(line.substr(key.size() + kSeparator.size()));
        std::replace(value.begin(), value.end(), '\t', ' ');
        return value;
    }
    return std::nullopt;
}

// The pages keep no text for a value they refuse (a list word they lack leaves it empty): the
// refused settings of an import are said with the values the file gives.
EditResult withValuesGiven(EditResult result, std::string_view fileText) {
    for (RefusedSetting& setting : result.refused) {
        if (auto value = valueGiven(fileText, setting.key)) setting.value = std::move(*value);
    }
    return result;
}

} // namespace

NamedFile readNamedFile(const std::string& path) {
    NamedFile file;
    ReadFailure why = ReadFailure::None;
    if (readWholeFile(path, file.bytes, kReadLimit, &why)) return file;
    // A pipe, a device or a huge file is refused before anything is read; the detail says which.
    if (why == ReadFailure::NotARegularFile) {
        file.failure = FileDetail(DetailPhrase::FileNotRegular, path);
    } else if (why == ReadFailure::TooLarge) {
        file.failure = FileDetail(DetailPhrase::FileTooLarge, path);
        file.failure.text("limit", std::to_string(kReadLimit >> 20));
    } else {
        file.failure = FileDetail(DetailPhrase::FileUnreadable, path);
    }
    return file;
}

ErrorDetail FileDetail(DetailPhrase phrase, const std::string& path) {
    ErrorDetail detail(phrase);
    detail.text("file", path);
    return detail;
}

int importFile(ToolContext& tool, const std::string& path) {
    const NamedFile named = readNamedFile(path);
    if (!named.ok()) return tool.fail(flow::kImportErrorCode, named.failure);
    SettingsEditor& editor = tool.editor();
    const ImportedFile file = editor.readImport(named.bytes, tool.model());
    if (file.messageCode != 0)
        return tool.fail(file.messageCode, FileDetail(DetailPhrase::NotConfiguration, path));
    if (!file.rejectedLine.empty() &&
        !tool.askYesNo(std::string(MessageText(flow::kInvalidDataQuestion, tool.region())) +
                           file.rejectedLine,
                       MessageStyle::StopYesNo))
        return kDeclinedOrFailed;
    const EditResult shown = editor.showImported(file, tool.advancedTabOn());
    return shown.ok() ? 0 : tool.fail(withValuesGiven(shown, tool.records().configText));
}

int exportFile(ToolContext& tool, const std::string& path) {
    if (writeFileAtomically(path, ConfigurationFileBytes(tool.records().configText),
                            kExportFileMode))
        return 0;
    return tool.fail(flow::kExportErrorCode, FileDetail(DetailPhrase::FileUnwritable, path));
}

} // namespace tessaline::cli
