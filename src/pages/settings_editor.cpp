#include "pages/settings_editor.h"

#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "config/reply_checks.h"
#include "pages/rejected_line.h"
#include "platform/code_page.h"

#include <algorithm>
#include <span>

namespace tessaline {

namespace {

// What the Easy page's request brings back that the Easy page shows; all other entries of that
// reply are dropped.
constexpr std::string_view kEasyReplyKeys[] = {"PRINT METHOD",      "CONTINUOUS MEDIA LENGTH",
                                               "VERTICAL POSITION", "MEDIA SENSOR",
                                               "FUNCTION SELECT",   "PAPER POSITION"};
// Secrets a printer reports are never kept, so a later Send does not write them back.
constexpr std::string_view kSecretKeys[] = {"WLAN WEP KEY 1", "WLAN WEP KEY 2", "WLAN WEP KEY 3",
                                            "WLAN WEP KEY 4", "WLAN PSK",       "EAP PASSWORD"};

constexpr std::string_view kTextEnd = "END\r\n";
constexpr std::string_view kCalibrationEnd = "AUTO CALIBRATION\r\nSAVE\r\nEND\r\n";

bool contains(std::span<const std::string_view> keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void emptyRecord(SettingValue& value) {
    value.selected = 0;
    value.valueText.clear();
    value.unitText.clear();
    value.invalid = 0;
}

template <typename Keep> void emptyEntries(ConfigurationRecordSet& set, Keep keep) {
    for (int n = 0; n < kKeyEntryCount; ++n) {
        if (!keep(set.entry(n).key)) emptyRecord(set.entryRecord(n));
    }
}

void addRefused(const RowPage& rows, const ConfigurationRecordSet& records,
                std::vector<RefusedSetting>& refused) {
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows.red(i) || rows.row(i).entry < 0) continue;
        refused.push_back(
            {std::string(records.entry(rows.row(i).entry).key), rows.slot(i)->valueText});
    }
}

} // namespace

SettingsEditor::SettingsEditor(ConfigurationRecordSet& set)
    : records(set), standard(set), advanced(set), information(set) {}

void SettingsEditor::resetPages(int model, Region region) {
    standard.applyAvailability(model, region);
    standard.restoreDefaults(model);
    advanced.applyAvailability(model, region);
    advanced.restoreDefaults(model);
    easy.applyAvailability(model, region);
    easy.restoreDefaults(model);
    information.reset();
    calibration.reset();
    printTest.reset();
}

void SettingsEditor::applyLanguage(Region region) {
    standard.applyLanguage(region);
    information.applyLanguage(region);
    easy.applyLanguage(region);
    calibration.applyLanguage(region);
    printTest.applyLanguage(region);
}

void SettingsEditor::clearItemChecks(bool advancedTabOn, bool calibrationToo) {
    standard.checkAll(false);
    advanced.checkAll(false, advancedTabOn);
    easy.checkAll(false);
    if (calibrationToo) calibration.checkAll(false);
}

void SettingsEditor::includeEverything(bool advancedTabOn) {
    standard.checkAll(true);
    if (advancedTabOn) advanced.checkAll(true, true);
}

void SettingsEditor::copyEasyToStandard() {
    standard.transferIn(easy.transferOut());
}

void SettingsEditor::copyStandardToOthers() {
    const PageTransfer values = standard.transferOut();
    easy.transferIn(values);
    calibration.transferIn(values);
}

void SettingsEditor::applyCalibrationToStandard() {
    standard.transferIn(choicesForStandardPage(calibration.readChoices()));
}

EditResult SettingsEditor::prepareConfiguration() {
    const bool standardIncluded = standard.collect();
    const bool advancedIncluded = advancedCovered_ ? advanced.collect() : false;
    if (!standardIncluded && !advancedIncluded) return {24, {}};
    WriteConfigurationText(records, advancedCovered_);
    ParseConfigurationText(records, ParseMode::Check);
    const bool standardValid = standard.validate();
    const bool advancedValid = !advancedCovered_ || advanced.validate();
    if (!standardValid || !advancedValid) return {23, refusedSettings()};
    records.configText.clear();
    WriteConfigurationText(records, advancedCovered_);
    return {};
}

EditResult SettingsEditor::prepareSensorAdjustmentText() {
    if (!standard.collect()) return {24, {}};
    WriteConfigurationText(records, advancedCovered_);
    ParseConfigurationText(records, ParseMode::Check);
    if (!standard.validate()) return {23, refusedSettings()};
    records.configText.clear();
    WriteConfigurationText(records, advancedCovered_);
    std::string& text = records.configText;
    if (text.ends_with(kTextEnd)) text.resize(text.size() - kTextEnd.size());
    text += kCalibrationEnd;
    return {};
}

void SettingsEditor::showPreparedValues(bool advancedTabOn) {
    standard.showWrittenValues();
    if (advancedTabOn) advanced.showWrittenValues();
}

ImportedFile SettingsEditor::readImport(std::string_view fileBytes, int model) {
    ImportedFile file;
    records.modelIndex = model;
    ClearConfiguration(records);
    const RecognisedStream stream = recogniseConfigurationStream(joinFileLines(fileBytes), false);
    if (!stream.recognised) {
        file.messageCode = 20;
        return file;
    }
    records.configText = fromAnsi(stream.bytes);
    ParseConfigurationText(records, ParseMode::Apply);
    for (int n = 0; n < kRecordCount; ++n)
        file.invalidMarks.push_back(records.record(n).invalid);
    // The question about a rejected line is asked without red rows; the marks come back after.
    if (!records.badLineNumber.empty()) {
        for (int n = 0; n < kRecordCount; ++n)
            records.record(n).invalid = 0;
        file.rejectedLine =
            RejectedLineDetail(records.badLineNumber, records.badLineText, stream.crLfPutInFront);
    }
    return file;
}

EditResult SettingsEditor::showImported(const ImportedFile& file, bool advancedTabOn) {
    for (int n = 0; n < kRecordCount && n < static_cast<int>(file.invalidMarks.size()); ++n)
        records.record(n).invalid = file.invalidMarks[static_cast<size_t>(n)];
    clearItemChecks(advancedTabOn, true);
    const bool standardShown = standard.load();
    easy.transferIn(standard.transferOut());
    const bool advancedShown = advancedTabOn ? advanced.load() : true;
    if (!standardShown || !advancedShown) return {23, refusedSettings()};
    return {};
}

bool SettingsEditor::showReceived(RequestKind kind, std::string_view streamBytes,
                                  bool advancedTabOn) {
    records.configText = fromAnsi(streamBytes);
    ParseConfigurationText(records, ParseMode::Apply);
    clearItemChecks(advancedTabOn, false);
    switch (kind) {
    case RequestKind::StandardConfig: {
        emptyEntries(records, [](std::string_view key) { return contains(kEasyReplyKeys, key); });
        const bool shown = standard.load();
        easy.transferIn(standard.transferOut());
        return shown;
    }
    case RequestKind::AllConfig: {
        ReadRfidCalibrationReply(records);
        emptyEntries(records, [](std::string_view key) { return !contains(kSecretKeys, key); });
        const bool shown = standard.load();
        easy.transferIn(standard.transferOut());
        return shown;
    }
    case RequestKind::AdvancedConfig:
        return advancedTabOn ? advanced.load() : true;
    default:
        return true;
    }
}

std::vector<RefusedSetting> SettingsEditor::refusedSettings() const {
    std::vector<RefusedSetting> refused;
    addRefused(standard.rows(), records, refused);
    if (advancedCovered_) addRefused(advanced.rows(), records, refused);
    return refused;
}

std::string DefaultConfigurationText(int model, bool advanced) {
    ConfigurationRecordSet set;
    set.modelIndex = model;
    SettingsEditor editor(set);
    editor.setAdvancedCovered(advanced);
    editor.resetPages(model, Region::English);
    editor.includeEverything(advanced);
    editor.standard.collect();
    if (advanced) editor.advanced.collect();
    WriteConfigurationText(set, advanced);
    return set.configText;
}

} // namespace tessaline
