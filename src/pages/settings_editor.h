#pragma once

#include "config/configuration_record_set.h"
#include "config/configuration_stream.h"
#include "pages/advanced_page.h"
#include "pages/easy_page.h"
#include "pages/information_page.h"
#include "pages/print_test_page.h"
#include "pages/sensor_adjustment_page.h"
#include "pages/standard_page.h"
#include "text/region.h"
#include "transport/request_kind.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// A setting the pages refuse: its key and the value it was given.
struct RefusedSetting {
    std::string key;
    std::string value;
};

// How an editing step ended: well (code 0), or with the message code to show (20 not a
// configuration, 23 refused values, 24 nothing included) and the refused settings.
struct EditResult {
    int messageCode = 0;
    std::vector<RefusedSetting> refused;

    bool ok() const { return messageCode == 0; }
};

// A configuration file read into the records, before the pages show it.
struct ImportedFile {
    int messageCode = 0;      // 20 when the file is no configuration
    std::string rejectedLine; // a line the reader rejected as a whole, for the import question
    std::vector<int> invalidMarks;
};

// The pages of one printer's settings over one record set, without a window and without
// questions: what Import, Receive, Restore Defaults, Send and Export do to the settings, for one
// model at a time. Whether the Advanced page's settings are covered is the editor's own choice,
// not a process-wide one.
class SettingsEditor {
public:
    // The pages refer to the records of `records`, which must outlive the editor.
    explicit SettingsEditor(ConfigurationRecordSet& records);

    ConfigurationRecordSet& records;
    StandardPage standard;
    AdvancedPage advanced;
    EasyPage easy;
    InformationPage information;
    SensorAdjustmentPage calibration;
    PrintTestPage printTest;

    // The Advanced settings go into prepared texts and are validated.
    bool advancedCovered() const { return advancedCovered_; }
    void setAdvancedCovered(bool covered) { advancedCovered_ = covered; }

    // Every page to the model's defaults, with the lists in `region`.
    void resetPages(int model, Region region);
    void applyLanguage(Region region);

    // The item check boxes of the Standard, Advanced and Easy pages; with `calibrationToo` also
    // the Sensor Adjustment page's.
    void clearItemChecks(bool advancedTabOn, bool calibrationToo);
    // Every row of the Standard page, and of the Advanced page when it is covered, included.
    void includeEverything(bool advancedTabOn);
    void copyEasyToStandard();
    void copyStandardToOthers();
    void applyCalibrationToStandard();

    // Collects the included settings, writes them, checks the text and validates the pages; on
    // success the normalised text that Send writes is in records.configText.
    EditResult prepareConfiguration();
    // The same for the Standard page alone, ending with the automatic calibration lines.
    EditResult prepareSensorAdjustmentText();
    // After a prepare: the pages show what will be sent.
    void showPreparedValues(bool advancedTabOn);

    // Reads a configuration file's bytes into the records (of `model`).
    ImportedFile readImport(std::string_view fileBytes, int model);
    // Shows an imported file on the pages; 23 when a page refuses a value.
    EditResult showImported(const ImportedFile& file, bool advancedTabOn);
    // Shows a received configuration reply of `kind` (recognised stream bytes); false when a page
    // refuses a value. `rawReply` is the reply as it came.
    bool showReceived(RequestKind kind, std::string_view streamBytes, bool advancedTabOn);

    // The settings the pages refuse now, for a person.
    std::vector<RefusedSetting> refusedSettings() const;

private:
    bool advancedCovered_ = false;
};

// The text Send would write for the model's defaults with every setting included: the
// Standard page's, and the Advanced page's when `advanced`.
std::string DefaultConfigurationText(int model, bool advanced);

} // namespace tessaline
