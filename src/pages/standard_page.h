#pragma once

#include "config/configuration_record_set.h"
#include "pages/page_transfer.h"
#include "pages/row_page.h"
#include "transport/request_kind.h"

#include <optional>
#include <string>

namespace tessaline {

// Rows of the Standard page with rules of their own.
namespace standard_row {
inline constexpr int kConfigSet = 0;
inline constexpr int kPrintSpeed = 1;
inline constexpr int kPrintDarkness = 2;
inline constexpr int kPrintMethod = 4;
inline constexpr int kContinuousMediaLength = 6;
inline constexpr int kVerticalPosition = 7;
inline constexpr int kMediaSensor = 13;
inline constexpr int kSensorLevel = 19;
inline constexpr int kPaperEndLevel = 20;
inline constexpr int kEmulationSelect = 33;
inline constexpr int kFunctionSelect = 38;
inline constexpr int kPaperPosition = 45;
inline constexpr int kIpv6Address = 63;
inline constexpr int kIpv6Gateway = 65;
inline constexpr int kPinCode = 98;
inline constexpr int kDeviceName = 99;
inline constexpr int kCompatibleMode = 114;
inline constexpr int kPrintPreference = 116;
} // namespace standard_row

// The Standard page: the printer's ordinary settings, one row per key of the Standard range.
class StandardPage {
public:
    // The rows refer to the records of `records`, which must outlive the page.
    explicit StandardPage(ConfigurationRecordSet& records);

    RowPage& rows() { return rows_; }
    const RowPage& rows() const { return rows_; }

    void applyAvailability(int model, Region region) { rows_.applyAvailability(model, region); }
    // Fills the "Print Speed" list of the model's family for the "Darkness" preference.
    void buildSpeedList(int model);
    void restoreDefaults(int model);
    void checkAll(bool checked) { rows_.setAllChecked(checked); }
    bool collect();
    bool validate() const { return rows_.validate(); }
    bool load();
    void checkAllHidden() { rows_.checkAllHidden(); }
    void applyLanguage(Region region) { rows_.applyLanguage(region); }
    // After the writer ran: check every selected row and show the slot's text in its edit.
    void showWrittenValues();
    PageTransfer transferOut() const;
    void transferIn(const PageTransfer& transfer);

    // User actions with page rules.
    void selectValue(int row, int index);
    void selectUnit(int row, int index);
    void typeEditText(int row, std::string_view text);

    // Captions in the current language: the group boxes "Global Config" to "Option Interface"
    // (k = 0..5) and the hidden RFID calibration result labels (k = 0..2).
    std::string groupCaption(int k) const;
    std::string rfidResultCaption(int k) const;

    // The text shown by the "Emulation Select" list.
    std::string emulationText() const { return rows_.shownValue(standard_row::kEmulationSelect); }
    // The status query and decoding the chosen emulation takes: a "D" names the native language,
    // a "Z" the Zebra emulation, anything else the Eltron emulation.
    EmulationKind emulationKind() const;

private:
    void rebuildSpeedList(int preferenceIndex, int speedIndex);
    void applyMediaSensor(int mediaSensorIndex);

    RowPage rows_;
    int family_ = 0; // model index div 3
};

// "fe80:0000:...:8329" (also with "::" or short groups) to sixteen decimal bytes joined by
// commas; nothing when the text is no IPv6 address.
std::optional<std::string> ipv6ToSlotText(std::string_view shown);
// Sixteen decimal bytes joined by commas to eight groups of four lower-case hex digits.
std::string ipv6FromSlotText(std::string_view slotText);

} // namespace tessaline
