// Import and the file dialogs of the command flows.
#include "app/flow_codes.h"
#include "app/main_window.h"
#include "pages/rejected_line.h"
#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "config/key_table.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "text/messages.h"
#include "text/text_tables.h"

#include <array>

namespace tessaline {

using namespace flow;

namespace {

constexpr const char* kFileExtension = "prn";

} // namespace

// The folder last used in a file dialog; empty (the user's home folder) before the first one.
std::string MainWindowModel::initialFolder() const {
    return app_.current.defaultFolder;
}

void MainWindowModel::rememberFolder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash != std::string::npos) app_.current.defaultFolder = path.substr(0, slash + 1);
}

std::optional<std::string> MainWindowModel::chooseFile(bool save) {
    FileChoice choice;
    choice.mode = save ? FileChoice::Mode::Save : FileChoice::Mode::Open;
    choice.filters = FileDialogFilters(region_);
    choice.filterIndex = 0;
    choice.defaultExtension = kFileExtension;
    choice.initialFolder = initialFolder();
    return services_.prompter->chooseFile(choice);
}

void MainWindowModel::OnImport() {
    if (!ButtonStatesForTab(tab_).importFile) return;
    const auto path = chooseFile(false);
    if (!path) return;
    rememberFolder(*path);
    ConfigurationRecordSet& records = app_.records;
    records.modelIndex = model_;
    ClearConfiguration(records);

    std::string bytes;
    if (!readWholeFile(*path, bytes)) {
        showCode(kImportErrorCode);
        return;
    }
    const RecognisedStream stream = recogniseConfigurationStream(joinFileLines(bytes), false);
    if (!stream.recognised) {
        showCode(kImportErrorCode);
        return;
    }
    records.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(records, ParseMode::Apply);
    std::array<int, kRecordCount> invalidMarks{};
    for (int n = 0; n < kRecordCount; ++n)
        invalidMarks[n] = records.record(n).invalid;

    if (!records.badLineNumber.empty()) {
        for (int n = 0; n < kRecordCount; ++n)
            records.record(n).invalid = 0;
        const std::string question =
            std::string(MessageText(kInvalidDataQuestion, region_)) +
            RejectedLineDetail(records.badLineNumber, records.badLineText, stream.crLfPutInFront);
        if (services_.prompter->askYesNo(question, MessageStyle::StopYesNo) != MessageButton::Yes)
            return;
    }
    for (int n = 0; n < kRecordCount; ++n)
        records.record(n).invalid = invalidMarks[n];
    clearAllItemChecks();
    checkAllBox_ = false;
    const bool standardShown = standard.load();
    easy.transferIn(standard.transferOut());
    const bool advancedShown = advancedTabOn() ? advanced.load() : true;
    if (!standardShown || !advancedShown) showCode(kInvalidItemsCode);
}

} // namespace tessaline
