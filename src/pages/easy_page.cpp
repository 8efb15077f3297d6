#include "pages/easy_page.h"

#include "text/text_tables.h"

namespace tessaline {

namespace er = easy_row;

namespace {

constexpr int kMediaHandlingText = 166;

struct UnitTexts {
    int row;
    std::string_view inch;
    std::string_view mm;
};
constexpr UnitTexts kUnitTexts[] = {{er::kPaperLength, "4.00", "101.6"},
                                    {er::kStartOffset, "0.00", "0.0"},
                                    {er::kStopOffset, "0.00", "0.0"}};

} // namespace

EasyPage::EasyPage() : rows_(easyRows(), {}, CollectWords::AsShown) {
    applyPaperLengthState();
}

std::string EasyPage::mediaHandlingCaption() const {
    return std::string(ItemTextsRow(kMediaHandlingText).label(0, rows_.region()));
}

void EasyPage::applyPaperLengthState() {
    // The paper length is edited exactly while continuous media is chosen.
    RowState& s = rows_.state(er::kPaperLength);
    s.editEnabled = s.unitEnabled = paperLengthAvailable_ && mediaKind_ == kMediaContinuous;
    rows_.selectValue(er::kMediaType, mediaKind_);
}

void EasyPage::applyAvailability(int model, Region region) {
    rows_.applyAvailability(model, region);
    paperLengthAvailable_ = rows_.state(er::kPaperLength).enabled;
    applyPaperLengthState();
}

void EasyPage::applyLanguage(Region region) {
    rows_.applyLanguage(region);
    applyPaperLengthState();
}

void EasyPage::restoreDefaults(int model) {
    mediaKind_ = kMediaLabelsWithGaps;
    rows_.restoreDefaults(model);
    applyPaperLengthState();
}

void EasyPage::selectMediaKind(int kind) {
    if (kind < kMediaLabelsWithGaps || kind > kMediaContinuous) return;
    mediaKind_ = kind;
    applyPaperLengthState();
}

void EasyPage::selectUnit(int row, int index) {
    rows_.selectUnit(row, index);
    const int unit = rows_.state(row).unitIndex;
    for (const UnitTexts& t : kUnitTexts)
        if (t.row == row && unit >= 0)
            rows_.setEditText(row, std::string(unit == 0 ? t.inch : t.mm));
}

PageTransfer EasyPage::transferOut() const {
    PageTransfer t;
    auto checked = [this](int row) { return rows_.state(row).checked; };
    if (checked(er::kMediaType)) {
        t.mediaPresent = 1;
        t.mediaKind = mediaKind_;
        t.paperLengthText = rows_.state(er::kPaperLength).editText;
        t.paperLengthUnitIndex = rows_.state(er::kPaperLength).unitIndex;
    }
    if (checked(er::kPrintMethod)) {
        t.printMethodPresent = 1;
        t.printMethodIndex = rows_.state(er::kPrintMethod).valueIndex;
    }
    if (checked(er::kPostPrint)) {
        t.postPrintPresent = 1;
        t.postPrintIndex = rows_.state(er::kPostPrint).valueIndex;
    }
    if (checked(er::kStartOffset)) {
        t.startOffsetPresent = 1;
        t.startOffsetText = rows_.state(er::kStartOffset).editText;
        t.startOffsetUnitIndex = rows_.state(er::kStartOffset).unitIndex;
    }
    if (checked(er::kStopOffset)) {
        t.stopOffsetPresent = 1;
        t.stopOffsetText = rows_.state(er::kStopOffset).editText;
        t.stopOffsetUnitIndex = rows_.state(er::kStopOffset).unitIndex;
    }
    return t;
}

void EasyPage::transferIn(const PageTransfer& t) {
    auto setLength = [this](int row, const std::string& text, int unit) {
        rows_.setEditText(row, text);
        rows_.selectUnit(row, unit);
    };
    if (t.mediaPresent == 1) {
        rows_.setChecked(er::kMediaType, true);
        selectMediaKind(t.mediaKind);
        setLength(er::kPaperLength, t.paperLengthText, t.paperLengthUnitIndex);
    }
    if (t.printMethodPresent == 1) {
        rows_.setChecked(er::kPrintMethod, true);
        rows_.selectValue(er::kPrintMethod, t.printMethodIndex);
    }
    if (t.postPrintPresent == 1) {
        rows_.setChecked(er::kPostPrint, true);
        rows_.selectValue(er::kPostPrint, t.postPrintIndex);
    }
    if (t.startOffsetPresent == 1) {
        rows_.setChecked(er::kStartOffset, true);
        setLength(er::kStartOffset, t.startOffsetText, t.startOffsetUnitIndex);
    }
    if (t.stopOffsetPresent == 1) {
        rows_.setChecked(er::kStopOffset, true);
        setLength(er::kStopOffset, t.stopOffsetText, t.stopOffsetUnitIndex);
    }
}

} // namespace tessaline
