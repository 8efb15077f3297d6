#include "config/value_conversion.h"

#include "config/number_text.h"
#include "config/printer_models.h"
#include "config/symbol_sets.h"

#include <optional>

namespace tessaline {

namespace {

struct LengthUnit {
    std::string_view word;
    int decimals;
    int code;
};

constexpr LengthUnit kLengthUnits[] = {
    {"MM", 1, kUnitMm}, {"INCH", 2, kUnitInch}, {"V", 1, kUnitVolt}, {"DOTS", 1, kUnitDots203}};

// A length written without a unit word is read in inches.
constexpr LengthUnit kDefaultLengthUnit = kLengthUnits[1];

struct Range {
    int min;
    int max;
    bool holds(int value) const { return value >= min && value <= max; }
};

struct LengthRanges {
    Range mm;
    Range inch;
};

constexpr int kDarknessMax = 30;
constexpr int kEltronDarknessMax = 15;
constexpr Range kVerticalShiftDots = {-120, 120};
constexpr Range kRfidPower = {0, 10000};
constexpr int kHeadCleanMax = 9999999;
constexpr int kMaxKeyboardLockWord = 8;
constexpr std::string_view kPowerUnit = " DBM";
constexpr std::string_view kDotWord = "DOT";
constexpr std::string_view kVoltWord = "V";

// PAPER POSITION ranges by the FUNCTION SELECT code read before it.
constexpr LengthRanges kPaperPositionRolled = {{0, 508}, {0, 200}};       // OFF, REWIND
constexpr LengthRanges kPaperPositionAtHead = {{-254, 254}, {-100, 100}}; // TEAR, PEEL ON, CUT ON
constexpr LengthRanges kPaperPositionAny = {{-254, 508}, {-100, 200}};    // not given

LengthRanges paperPositionRanges(std::uint8_t functionSelect) {
    switch (functionSelect) {
    case 0:
    case 4:
        return kPaperPositionRolled;
    case 1:
    case 2:
    case 3:
        return kPaperPositionAtHead;
    default:
        return kPaperPositionAny;
    }
}

ConversionResult reject() {
    return {};
}

ConversionResult store(ImageField& field, int value, int unitCode = kUnitNone) {
    field.number = value;
    return {true, unitCode};
}

ConversionResult convertNumber(std::string_view token, int decimals, Range range, ImageField& field,
                               int scale = 1) {
    const auto value = readDecimal(token, decimals);
    if (!value || !range.holds(*value)) return reject();
    return store(field, *value * scale);
}

ConversionResult convertLength(const ParsedLine& line, LengthRanges ranges, ImageField& field) {
    LengthUnit unit = kDefaultLengthUnit;
    if (line.count() > 2) {
        const LengthUnit* found = nullptr;
        for (const auto& candidate : kLengthUnits)
            if (line.upper(2) == candidate.word) found = &candidate;
        if (found == nullptr) return reject();
        unit = *found;
    }
    const auto value = readDecimal(line.upper(1), unit.decimals);
    if (!value) return reject();
    if (!(unit.code == kUnitMm ? ranges.mm : ranges.inch).holds(*value)) return reject();
    return store(field, *value, unit.code);
}

ConversionResult convertHeadCheck(std::string_view token, const ConversionRow& row,
                                  const ConversionContext& context, ImageField& field) {
    const auto value = readDecimal(token, 0);
    if (!value) return reject();
    if (Range{1, row.max}.holds(*value)) return store(field, *value, kUnitDots203);
    const bool wide = context.headCheckFlags[static_cast<int>(row.headCheckFlag)] == 1;
    if (wide && Range{1, row.maxInch}.holds(*value)) return store(field, *value, kUnitDots300);
    return reject();
}

ConversionResult convertAddress(const ParsedLine& line, int bytes, ImageField& field) {
    if (line.count() != bytes + 1) return reject();
    std::array<std::uint8_t, 16> address{};
    for (int i = 0; i < bytes; ++i) {
        const auto value = readDigits(line.token(i + 1));
        if (!value || !Range{0, 255}.holds(*value)) return reject();
        address[i] = static_cast<std::uint8_t>(*value);
    }
    field.address = address;
    return {true, kUnitNone};
}

bool textClassHolds(TextClass textClass, std::string_view text) {
    if (textClass == TextClass::Any) return true;
    if (textClass == TextClass::Name && !text.empty() && (text[0] == ' ' || text[0] == '"'))
        return false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 126) return false;
        if (textClass == TextClass::Name && c == ',') return false;
    }
    return true;
}

ConversionResult convertText(const ConversionRow& row, const ParsedLine& line, ImageField& field) {
    const std::string_view text = line.token(1);
    if (!Range{row.min, row.max}.holds(static_cast<int>(text.size()))) return reject();
    if (!textClassHolds(row.textClass, text)) return reject();
    field.text.assign(text);
    return {true, kUnitNone};
}

ConversionResult convertKeyboardLock(const ParsedLine& line, ImageField& field) {
    const std::string_view word = line.upper(1);
    if (word.empty() || word.size() > kMaxKeyboardLockWord) return reject();
    if (word == "ON") return store(field, 1);
    if (word == "OFF") return store(field, 0);
    return reject();
}

ConversionResult convertSymbolSet(const ParsedLine& line, ImageField& field) {
    if (line.count() < 2 || line.token(1).size() != 2) return {true, kUnitNone}; // no change
    const int position = symbolSetPosition(line.token(1));
    if (position < 0) return reject();
    return store(field, position);
}

ConversionResult convertRfidPower(const ParsedLine& line, ImageField& field) {
    std::string_view value = line.upper(1);
    if (value.size() > kPowerUnit.size() && value.ends_with(kPowerUnit))
        value.remove_suffix(kPowerUnit.size());
    return convertNumber(value, 0, kRfidPower, field);
}

ConversionResult convertHeadClean(const ParsedLine& line, ImageField& field) {
    int value = 0;
    bool digits = false;
    for (char c : line.token(1)) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return reject();
        value = value * 10 + (c - '0');
        if (value > kHeadCleanMax) return reject();
        digits = true;
    }
    if (!digits) return reject();
    return store(field, value);
}

} // namespace

bool verticalShiftIsLength(int modelIndex) {
    return isValidModelIndex(modelIndex) && emulationOf(modelIndex) == Emulation::None;
}

ConversionResult convertValue(const ConversionRow& row, const ParsedLine& line,
                              const ConversionContext& context, ImageField& field) {
    const LengthRanges rowRanges = {{row.min, row.max}, {row.minInch, row.maxInch}};
    switch (row.rule) {
    case ConversionRule::Whole:
        return convertNumber(line.upper(1), 0, {row.min, row.max}, field);
    case ConversionRule::Decimal:
        return convertNumber(line.upper(1), row.decimals, {row.min, row.max}, field);
    case ConversionRule::Volts:
        if (line.count() > 2 && line.upper(2) != kVoltWord) return reject();
        return convertNumber(line.upper(1), row.decimals, {row.min, row.max}, field, row.scale);
    case ConversionRule::Length:
        return convertLength(line, rowRanges, field);
    case ConversionRule::PaperPosition:
        return convertLength(line, paperPositionRanges(context.functionSelect), field);
    case ConversionRule::HeadCheckPosition:
        if (line.upper(1) != kDotWord) return reject();
        return convertHeadCheck(line.upper(2), row, context, field);
    case ConversionRule::HeadCheckWidth:
        return convertHeadCheck(line.upper(1), row, context, field);
    case ConversionRule::Ipv4:
        return convertAddress(line, 4, field);
    case ConversionRule::Ipv6:
        return convertAddress(line, 16, field);
    case ConversionRule::Text:
        return convertText(row, line, field);
    case ConversionRule::KeyboardLock:
        return convertKeyboardLock(line, field);
    case ConversionRule::SymbolSet:
        return convertSymbolSet(line, field);
    case ConversionRule::RfidPower:
        return convertRfidPower(line, field);
    case ConversionRule::HeadCleanMessage:
        return convertHeadClean(line, field);
    case ConversionRule::PrintDarkness: {
        const bool eltron = isValidModelIndex(context.modelIndex) &&
                            emulationOf(context.modelIndex) == Emulation::Eltron;
        return convertNumber(line.upper(1), 0, {0, eltron ? kEltronDarknessMax : kDarknessMax},
                             field);
    }
    case ConversionRule::VerticalImageShift:
        if (verticalShiftIsLength(context.modelIndex)) return convertLength(line, rowRanges, field);
        return convertNumber(line.upper(1), 0, kVerticalShiftDots, field);
    }
    return reject();
}

namespace {

// A number kept in its smallest step, written with its decimals: 1234 with 2 is "12.34".
std::string withDecimals(int value, int decimals) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long>(value) : value);
    if (decimals > 0) {
        if (digits.size() <= static_cast<size_t>(decimals))
            digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(decimals), ".");
    }
    return (value < 0 ? "-" : "") + digits;
}

std::string rangeText(Range range, int decimals, std::string_view unit = {}) {
    std::string text =
        withDecimals(range.min, decimals) + "\u2013" + withDecimals(range.max, decimals);
    if (!unit.empty()) text += " " + std::string(unit);
    return text;
}

std::string lengthRangeText(const LengthRanges& ranges) {
    return rangeText(ranges.mm, kLengthUnits[0].decimals, kLengthUnits[0].word) + ", " +
           rangeText(ranges.inch, kLengthUnits[1].decimals, kLengthUnits[1].word);
}

} // namespace

std::optional<std::string> AcceptedRangeText(const ConversionRow& row, int modelIndex) {
    const LengthRanges rowRanges = {{row.min, row.max}, {row.minInch, row.maxInch}};
    switch (row.rule) {
    case ConversionRule::Whole:
        return rangeText({row.min, row.max}, 0);
    case ConversionRule::Decimal:
        return rangeText({row.min, row.max}, row.decimals);
    case ConversionRule::Volts:
        return rangeText({row.min, row.max}, row.decimals, "V");
    case ConversionRule::Length:
        return lengthRangeText(rowRanges);
    case ConversionRule::RfidPower:
        return rangeText(kRfidPower, 0);
    case ConversionRule::HeadCleanMessage:
        return rangeText({0, kHeadCleanMax}, 0);
    case ConversionRule::PrintDarkness: {
        const bool eltron =
            isValidModelIndex(modelIndex) && emulationOf(modelIndex) == Emulation::Eltron;
        return rangeText({0, eltron ? kEltronDarknessMax : kDarknessMax}, 0);
    }
    case ConversionRule::VerticalImageShift:
        if (verticalShiftIsLength(modelIndex)) return lengthRangeText(rowRanges);
        return rangeText(kVerticalShiftDots, 0);
    default:
        return std::nullopt;
    }
}

} // namespace tessaline
