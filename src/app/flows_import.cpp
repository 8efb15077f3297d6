// Import and the file dialogs of the command flows.
#include "app/flow_codes.h"
#include "app/main_window.h"
#include "platform/atomic_file.h"
#include "text/messages.h"
#include "text/text_tables.h"

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
    std::string bytes;
    if (!readWholeFile(*path, bytes)) {
        app_.records.modelIndex = model_;
        ClearConfiguration(app_.records);
        showError(kImportErrorCode, ErrorDetail(DetailPhrase::FileUnreadable).text("file", *path));
        return;
    }
    const ImportedFile file = editor_.readImport(bytes, model_);
    if (file.messageCode != 0) {
        showError(file.messageCode,
                  ErrorDetail(DetailPhrase::NotConfiguration).text("file", *path));
        return;
    }
    if (!file.rejectedLine.empty()) {
        const std::string question =
            std::string(MessageText(kInvalidDataQuestion, region_)) + file.rejectedLine;
        if (services_.prompter->askYesNo(question, MessageStyle::StopYesNo) != MessageButton::Yes)
            return;
    }
    checkAllBox_ = false;
    const int shown = editor_.showImported(file, advancedTabOn()).messageCode;
    if (shown != 0) {
        showCode(shown);
        return;
    }
    reportDone(ErrorDetail(DetailPhrase::ConfigurationImported).text("file", *path));
}

} // namespace tessaline
