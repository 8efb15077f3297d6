#pragma once

#include "pages/page_transfer.h"
#include "pages/row_page.h"

#include <string>

namespace tessaline {

namespace easy_row {
inline constexpr int kMediaType = 0;
inline constexpr int kPaperLength = 1;
inline constexpr int kPrintMethod = 2;
inline constexpr int kPostPrint = 3;
inline constexpr int kStartOffset = 4;
inline constexpr int kStopOffset = 5;
} // namespace easy_row

// Media kinds of the Easy and Sensor Adjustment pages.
inline constexpr int kMediaLabelsWithGaps = 0;
inline constexpr int kMediaBlackMarks = 1;
inline constexpr int kMediaContinuous = 2;

// The Easy page: the six settings needed to load media. It sends nothing itself; its values
// travel to the Standard page.
class EasyPage {
public:
    EasyPage();

    RowPage& rows() { return rows_; }
    const RowPage& rows() const { return rows_; }

    void applyAvailability(int model, Region region);
    void restoreDefaults(int model);
    void checkAll(bool checked) { rows_.setAllChecked(checked); }
    void applyLanguage(Region region);
    // The "Media Handling" group caption in the current language.
    std::string mediaHandlingCaption() const;

    int mediaKind() const { return mediaKind_; }
    void selectMediaKind(int kind);
    void selectValue(int row, int index) { rows_.selectValue(row, index); }
    void selectUnit(int row, int index);
    void typeEditText(int row, std::string_view text) { rows_.typeEditText(row, text); }

    PageTransfer transferOut() const;
    void transferIn(const PageTransfer& transfer);

private:
    void applyPaperLengthState();

    RowPage rows_;
    int mediaKind_ = kMediaLabelsWithGaps;
    bool paperLengthAvailable_ = true;
};

} // namespace tessaline
