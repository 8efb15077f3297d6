#pragma once

#include "config/configuration_record_set.h"
#include "pages/row_page.h"

namespace tessaline {

// Rows of the Advanced page with rules of their own.
namespace advanced_row {
inline constexpr int kHeadCheckStart = 36;
inline constexpr int kHeadCheckStop = 37;
inline constexpr int kUsbSerialNumber = 41;
inline constexpr int kPatternWidth = 51;
inline constexpr int kAntennaPosition = 56;
inline constexpr int kReverseMediaLength = 57;
} // namespace advanced_row

// The Advanced page: factory and mechanism settings, English in every UI language.
class AdvancedPage {
public:
    // The rows refer to the records of `records`, which must outlive the page.
    explicit AdvancedPage(ConfigurationRecordSet& records);

    RowPage& rows() { return rows_; }
    const RowPage& rows() const { return rows_; }

    void applyAvailability(int model, Region region);
    // On a model change.
    void restoreDefaults(int model);
    // The "Restore Defaults" command: as a model change, but a typed USB serial number stays.
    void restoreDefaultsCommand(int model);
    // Checking works only while the Advanced tab is switched on; unchecking always.
    void checkAll(bool checked, bool advancedTabOn);
    bool collect() { return rows_.collect(); }
    bool validate() const { return rows_.validate(); }
    bool load();
    void checkAllHidden() { rows_.checkAllHidden(); }
    void showWrittenValues();

    void selectUnit(int row, int index);

private:
    void applyFamily(int row);

    RowPage rows_;
    int family_ = 0; // 0: 203 dpi head, 1: 300 dpi head
};

} // namespace tessaline
