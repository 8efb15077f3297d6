#pragma once

#include <span>
#include <string_view>

namespace tessaline {

// How a conversion row reads its value. Ranges are in the smallest step of the written form.
enum class ConversionRule {
    Whole,              // token 1, no decimals, min..max
    Decimal,            // token 1 with `decimals` places, min..max, whatever follows
    Volts,              // token 1 with `decimals` places when token 2 is "V" (or absent), min..max,
                        // stored times `scale`
    Length,             // token 1 in the unit of token 2: MM min..max, INCH minInch..maxInch
    PaperPosition,      // a length whose range depends on the FUNCTION SELECT read before
    HeadCheckPosition,  // token 1 "DOT", token 2 dots 1..max (203 dpi) or ..maxInch (300 dpi)
    HeadCheckWidth,     // token 1 dots, ranges as above
    Ipv4,               // four numbers 0..255
    Ipv6,               // sixteen numbers 0..255
    Text,               // token 1 as written, min..max bytes of the row's character class
    KeyboardLock,       // "ON" 1, "OFF" 0
    SymbolSet,          // a two-character symbol set code
    RfidPower,          // a whole number 0..10000, optionally followed by " DBM"
    HeadCleanMessage,   // digits and spaces, 0..9999999
    PrintDarkness,      // 0..30, 0..15 on the Eltron emulation models
    VerticalImageShift, // a length on the native models, dots -120..120 on the others
};

enum class TextClass {
    Printable, // bytes 32..126
    Any,       // any byte
    Name,      // bytes 32..126 but ",", not beginning with a space or a double quote
};

// How the transfer step shows the image value in the record.
enum class Display { Integer, Tenths, Thousandths, Length, Dots, Address, Index, Text, None };

// Which of the three head-check range flags a row uses.
enum class HeadCheckFlag { Start = 0, Stop = 1, Width = 2 };

struct ConversionRow {
    std::string_view key;
    ConversionRule rule;
    int min = 0; // MM range for lengths, dots limit for head checks, length limits for texts
    int max = 0;
    int minInch = 0; // INCH range for lengths, 300 dpi limit for head checks
    int maxInch = 0;
    Display display = Display::Integer;
    int record = -1;
    int recordOutsideModels = -1; // record used when the model index is outside 0..5
    int decimals = 0;
    int scale = 1;
    TextClass textClass = TextClass::Printable;
    HeadCheckFlag headCheckFlag = HeadCheckFlag::Start;
};

// The 85 conversion rows in matching and transfer order.
std::span<const ConversionRow> conversionTable();

// An older key read like its current key, into the same field and record.
struct AliasRow {
    std::string_view key;
    std::string_view currentKey;
};

inline constexpr int kAliasRowCount = 7;

// The alias rows in matching and transfer order.
std::span<const AliasRow> aliasTable();

// Index of the conversion row of `key`, or -1.
int conversionRowOf(std::string_view key);

} // namespace tessaline
