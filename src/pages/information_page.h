#pragma once

#include "config/configuration_record_set.h"
#include "pages/page_look.h"
#include "text/region.h"
#include "transport/request_kind.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaline {

// The seven status texts of the Information page.
enum class StatusText {
    PaperError = 0,
    RibbonError,
    Printing,
    Pause,
    WaitingForPeeling,
    ErrorCode,    // two-character EPL error code
    ErrorMessage, // its message
};
inline constexpr int kStatusTextCount = 7;

// The Information page: the printer's four counters and its status, read in one of three
// printer languages (EmulationKind 0, 1 or 2).
class InformationPage {
public:
    explicit InformationPage(ConfigurationRecordSet& records);

    void reset();
    void clearForReceive();
    void enableStatusGroup(EmulationKind emulation);
    void showCounters();
    // Reads a status reply (the bytes up to the first zero byte); false only for a kind outside
    // 0..2. A reply that cannot be read changes no text.
    bool readStatus(EmulationKind emulation, std::string_view reply, Region region);
    void applyLanguage(Region region) { region_ = region; }

    bool statusOnly() const { return statusOnly_; }
    void setStatusOnly(bool checked) { statusOnly_ = checked; }
    bool printerStatusGroupEnabled() const { return printerStatusEnabled_; } // "DMX/ZPL"
    bool eplStatusGroupEnabled() const { return eplStatusEnabled_; }
    const std::string& counter(int k) const { return counters_[k]; }
    const std::string& status(StatusText t) const { return status_[static_cast<int>(t)]; }
    TextColour colour(StatusText t) const;

    // Captions in the current language: the group boxes, the labels and the check box.
    std::string printerInformationCaption() const;
    std::string printerStatusCaption() const;
    std::string eplStatusCaption() const;
    std::string counterLabel(int k) const;
    std::string statusLabel(StatusText t) const; // the five flags and the error code
    std::string statusOnlyLabel() const;

private:
    void clearTexts();
    void readFlags(std::string_view reply);
    void readHostStatus(std::string_view reply);
    void readEplError(std::string_view reply, Region region);
    std::string& text(StatusText t) { return status_[static_cast<int>(t)]; }

    ConfigurationRecordSet& records_;
    Region region_ = Region::English;
    bool statusOnly_ = false;
    bool printerStatusEnabled_ = true;
    bool eplStatusEnabled_ = false;
    std::array<std::string, 4> counters_{};
    std::array<std::string, kStatusTextCount> status_{};
};

} // namespace tessaline
