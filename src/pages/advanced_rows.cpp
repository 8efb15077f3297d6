#include "pages/setting_row.h"

namespace tessaline {

// The Advanced page's rows. Row i is bound to key-table entry 118 + i; its lists are English in
// every UI language.
namespace {

constexpr std::string_view kOffOn[] = {"OFF", "ON"};
constexpr std::string_view kLowMediumHigh[] = {"LOW", "MEDIUM", "HIGH"};
constexpr std::string_view kHighLow[] = {"HIGH", "LOW"};
constexpr std::string_view kOnOff[] = {"ON", "OFF"};
constexpr std::string_view kNormalSlow[] = {"NORMAL", "SLOW"};
constexpr std::string_view kStandardReversed[] = {"STANDARD", "REVERSED"};
constexpr std::string_view kDarknessSpeed[] = {"DARKNESS", "SPEED"};
constexpr std::string_view kType1Type2Type3[] = {"TYPE1", "TYPE2", "TYPE3"};

// clang-format off
constexpr SettingRow kRows[] = {
    /*   0 */ {.label = "Through Sensor Position", .entry = 118, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .available = kNoModel},
    /*   1 */ {.label = "Reflect Sensor Position", .entry = 119, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .available = kNoModel},
    /*   2 */ {.label = "Fix Through Sensor Position", .entry = 120, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   3 */ {.label = "Fix Reflect Sensor Position", .entry = 121, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   4 */ {.label = "Adj Through Sensor Position", .entry = 122, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   5 */ {.label = "Adj Reflect Sensor Position", .entry = 123, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   6 */ {.label = "Machine Tear Position", .entry = 124, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   7 */ {.label = "Machine Cut Position", .entry = 125, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   8 */ {.label = "Machine Peel Position", .entry = 126, .editMax = 4, .spin = true, .spinMin = -256, .spinMax = 256, .defaultText = sameText("0")},
    /*   9 */ {.label = "Machine Horizontal Position", .entry = 127, .editMax = 3, .spin = true, .spinMin = -16, .spinMax = 32, .defaultText = sameText("8")},
    /*  10 */ {.label = "AutoCal Mode", .entry = 128, .values = ValueList::Fixed, .fixedValues = kOffOn, .defaultValue = sameIndex(1)},
    /*  11 */ {.label = "See Through Sensor", .entry = 129, .editMax = 3, .available = kNoModel},
    /*  12 */ {.label = "Reflect Sensor", .entry = 130, .editMax = 3, .available = kNoModel},
    /*  13 */ {.label = "Fix Through Sensor", .entry = 131, .editMax = 3, .defaultText = sameText("0.0")},
    /*  14 */ {.label = "Fix Reflect Sensor", .entry = 132, .editMax = 3, .defaultText = sameText("0.0")},
    /*  15 */ {.label = "Adj Through Sensor", .entry = 133, .editMax = 3, .defaultText = sameText("0.0")},
    /*  16 */ {.label = "Adj Reflect Sensor", .entry = 134, .editMax = 3, .defaultText = sameText("0.0")},
    /*  17 */ {.label = "See Through Sensitivity", .entry = 135, .values = ValueList::Fixed, .fixedValues = kLowMediumHigh, .defaultValue = sameIndex(0), .available = kNoModel},
    /*  18 */ {.label = "Reflect Sensitivity", .entry = 136, .values = ValueList::Fixed, .fixedValues = kLowMediumHigh, .defaultValue = sameIndex(0), .available = kNoModel},
    /*  19 */ {.label = "Fix Reflect Sensitivity", .entry = 137, .values = ValueList::Fixed, .fixedValues = kLowMediumHigh, .defaultValue = sameIndex(0), .available = kNoModel, .onlyJapanese = true},
    /*  20 */ {.label = "Through Cal Level", .entry = 138, .editMax = 4, .available = kNoModel},
    /*  21 */ {.label = "Reflect Cal Level", .entry = 139, .editMax = 4, .available = kNoModel},
    /*  22 */ {.label = "SensNone Cal Level", .entry = 140, .editMax = 4, .available = kNoModel},
    /*  23 */ {.label = "Fix Through Cal Level", .entry = 141, .editMax = 4, .defaultText = sameText("2.30")},
    /*  24 */ {.label = "Fix Reflect Cal Level", .entry = 142, .editMax = 4, .defaultText = sameText("2.10")},
    /*  25 */ {.label = "Fix SensNone Cal Level", .entry = 143, .editMax = 4, .defaultText = sameText("2.05")},
    /*  26 */ {.label = "Adj Through Cal Level", .entry = 144, .editMax = 4, .defaultText = sameText("2.30")},
    /*  27 */ {.label = "Adj Reflect Cal Level", .entry = 145, .editMax = 4, .defaultText = sameText("2.10")},
    /*  28 */ {.label = "Adj SensNone Cal Level", .entry = 146, .editMax = 4, .defaultText = sameText("2.05")},
    /*  29 */ {.label = "Darkness Rate", .entry = 147, .values = ValueList::Fixed, .fixedValues = kHighLow, .defaultValue = sameIndex(0)},
    /*  30 */ {.label = "Double Heat", .entry = 148, .values = ValueList::Fixed, .fixedValues = kOffOn, .defaultValue = sameIndex(0), .available = kNoModel, .hidden = true},
    /*  31 */ {.label = "TT Hot Heatrate Adjust", .entry = 149, .editMax = 4, .defaultText = sameText("0.0")},
    /*  32 */ {.label = "TT Cold Heatrate Adjust", .entry = 150, .editMax = 4, .defaultText = sameText("0.0")},
    /*  33 */ {.label = "DT Hot Heatrate Adjust", .entry = 151, .editMax = 4, .defaultText = sameText("0.0")},
    /*  34 */ {.label = "DT Cold Heatrate Adjust", .entry = 152, .editMax = 4, .defaultText = sameText("0.0")},
    /*  35 */ {.label = "PowerOn Head Check", .entry = 153, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0)},
    /*  36 */ {.label = "Head Check Start Position", .entry = 154, .units = UnitList::Resolution, .unitsFixed = true, .editMax = 4, .spin = true, .spinMin = 1, .spinMax = 848, .defaultText = sameText("1")},
    /*  37 */ {.label = "Head Check Stop Position", .entry = 155, .units = UnitList::Resolution, .unitsFixed = true, .editMax = 4, .spin = true, .spinMin = 1, .spinMax = 848, .defaultText = {"848", "848", "848", "1264", "1264", "1264"}},
    /*  38 */ {.label = "Ribbon End Detection", .entry = 156, .values = ValueList::Fixed, .fixedValues = kNormalSlow, .defaultValue = sameIndex(0)},
    /*  39 */ {.label = "Parallel Error Output", .entry = 157, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0), .available = kNoModel, .hidden = true},
    /*  40 */ {.label = "Top Form Sensing", .entry = 158, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0), .available = kNoModel, .hidden = true},
    /*  41 */ {.label = "USB Serial Number", .entry = 159, .values = ValueList::Fixed, .fixedValues = kOffOn, .valueToUnitText = true, .editMax = 32, .defaultValue = sameIndex(0)},
    /*  42 */ {.label = "Auto Exec Print", .entry = 160, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0)},
    /*  43 */ {.label = "Config Print Layout", .entry = 161, .values = ValueList::Fixed, .fixedValues = kStandardReversed, .defaultValue = sameIndex(0)},
    /*  44 */ {.label = "Head Clean Message", .entry = 162, .editMax = 7, .spin = true, .spinMin = 0, .spinMax = 9999999, .defaultText = sameText("0")},
    /*  45 */ {.label = "Print Preference", .entry = 163, .values = ValueList::Fixed, .fixedValues = kDarknessSpeed, .defaultValue = sameIndex(0), .available = kNoModel, .hidden = true},
    /*  46 */ {.label = "TT Hot Heatrate Adjust2", .entry = 164, .editMax = 4, .defaultText = sameText("0.0")},
    /*  47 */ {.label = "TT Cold Heatrate Adjust2", .entry = 165, .editMax = 4, .defaultText = sameText("0.0")},
    /*  48 */ {.label = "DT Hot Heatrate Adjust2", .entry = 166, .editMax = 4, .defaultText = sameText("0.0")},
    /*  49 */ {.label = "DT Cold Heatrate Adjust2", .entry = 167, .editMax = 4, .defaultText = sameText("0.0")},
    /*  50 */ {.label = "Head Check Pattern Print", .entry = 168, .values = ValueList::Fixed, .fixedValues = kOffOn, .defaultValue = sameIndex(0), .available = kNoModel},
    /*  51 */ {.label = "Head Check Pattern Width", .entry = 169, .units = UnitList::Resolution, .unitsFixed = true, .editMax = 4, .spin = true, .spinMin = 1, .spinMax = 832, .available = kNoModel},
    /*  52 */ {.label = "SNMP", .entry = 170, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0)},
    /*  53 */ {.label = "HTML", .entry = 171, .values = ValueList::Fixed, .fixedValues = kOnOff, .defaultValue = sameIndex(0)},
    /*  54 */ {.label = "Compatible Mode", .entry = 172, .values = ValueList::Fixed, .fixedValues = kType1Type2Type3, .defaultValue = sameIndex(0), .available = kNoModel, .hidden = true},
    /*  55 */ {.label = "PCB Temperature", .entry = 173, .values = ValueList::Fixed, .fixedValues = kOffOn, .defaultValue = sameIndex(1)},
    /*  56 */ {.label = "RFID Antenna Position", .entry = 174, .units = UnitList::Length, .unitsFixed = true, .editMax = 5, .defaultText = sameText("0.73"), .available = kNoModel, .hidden = true},
    /*  57 */ {.label = "RFID Reverse Media Length", .entry = 175, .units = UnitList::Length, .unitsFixed = true, .editMax = 5, .defaultText = sameText("0.00"), .available = kNoModel, .hidden = true},
};
// clang-format on

static_assert(std::size(kRows) == 58);

} // namespace

std::span<const SettingRow> advancedRows() {
    return kRows;
}

} // namespace tessaline
