#include "config/conversion_table.h"

#include "config/configuration_image.h"
#include "config/text_vocabulary.h"

#include <iterator>

namespace tessaline {

namespace {

using R = ConversionRule;
using D = Display;

constexpr ConversionRow whole(std::string_view key, int min, int max, int record,
                              int recordOutsideModels = -1) {
    return {key, R::Whole, min, max, 0, 0, D::Integer, record, recordOutsideModels};
}

constexpr ConversionRow tenths(std::string_view key, int min, int max, int record,
                               int recordOutsideModels = -1) {
    return {key, R::Decimal, min, max, 0, 0, D::Tenths, record, recordOutsideModels, 1};
}

// A sensor voltage written with "V": tenths of a volt.
constexpr ConversionRow volts(std::string_view key, int record) {
    return {key, R::Volts, 0, 33, 0, 0, D::Tenths, record, -1, 1};
}

// A calibration level written in hundredths of a volt with "V", kept in millivolts.
constexpr ConversionRow level(std::string_view key, int record) {
    return {key, R::Volts, 1, 330, 0, 0, D::Thousandths, record, -1, 2, 10};
}

// Ranges in tenths of a millimetre and in hundredths of an inch.
constexpr ConversionRow length(std::string_view key, int minMm, int maxMm, int minInch, int maxInch,
                               int record) {
    return {key, R::Length, minMm, maxMm, minInch, maxInch, D::Length, record};
}

constexpr ConversionRow address(std::string_view key, R rule, int record) {
    return {key, rule, 0, 255, 0, 0, D::Address, record};
}

constexpr ConversionRow text(std::string_view key, int minBytes, int maxBytes, int record,
                             TextClass textClass = TextClass::Printable) {
    return {key, R::Text, minBytes, maxBytes, 0, 0, D::Text, record, -1, 0, 1, textClass};
}

constexpr ConversionRow headCheck(std::string_view key, R rule, int limit203, int limit300,
                                  HeadCheckFlag flag, int record) {
    return {key, rule, 1, limit203, 0, limit300, D::Dots, record, -1, 0, 1, TextClass::Printable,
            flag};
}

constexpr ConversionRow special(std::string_view key, R rule, D display, int record) {
    return {key, rule, 0, 0, 0, 0, display, record};
}

constexpr ConversionRow kConversionRows[] = {
    special("PAPER POSITION", R::PaperPosition, D::Length, 61),
    whole("MACH CUT POS", -256, 256, 124),
    tenths("SEE THROUGH SENSOR", 0, 33, 130, 128),
    whole("MACH HOR POS", -16, 32, 126),
    whole("MACH PEEL POS", -256, 256, 125),
    tenths("REFLECT SENSOR", 0, 33, 131, 129),
    whole("MACH TEAR POS", -256, 256, 123),
    whole("REFLECT SENSOR POSITION", -256, 256, 120, 118),
    whole("THROUGH SENSOR POSITION", -256, 256, 119, 117),
    length("CONTINUOUS MEDIA LENGTH", 64, 25397, 25, 9999, 6),
    length("HORIZONTAL SHIFT", -254, 254, -100, 100, 8),
    special("PRINT DARKNESS", R::PrintDarkness, D::Integer, 2),
    whole("DARKNESS ADJUST", -10, 10, 3),
    length("SMALL MEDIA LENGTH", 64, 254, 25, 100, 17),
    length("VERTICAL POSITION", -254, 254, -100, 100, 7),
    length("MAX MEDIA LENGTH", 254, 25397, 100, 9999, 25),
    volts("SENSOR LEVEL", 19),
    text(kSerialNumberKey, 0, 32, kUsbSerialRecord),
    headCheck("HEAD CHECK START POS", R::HeadCheckPosition, 848, 1264, HeadCheckFlag::Start,
              kHeadCheckStartRecord),
    headCheck("HEAD CHECK STOP POS", R::HeadCheckPosition, 848, 1264, HeadCheckFlag::Stop,
              kHeadCheckStopRecord),
    special("KEYBOARD LOCK", R::KeyboardLock, D::Index, 27),
    level("PAPER END LEVEL", 20),
    tenths("ADJ THROUGH SENSOR", 0, 33, 132),
    tenths("ADJ REFLECT SENSOR", 0, 33, 133),
    whole("ADJ THROUGH SENSOR POSITION", -256, 256, 121),
    whole("ADJ REFLECT SENSOR POSITION", -256, 256, 122),
    level("FIX THROUGH CAL LEVEL", 140),
    level("FIX REFLECT CAL LEVEL", 141),
    level("FIX SENSNONE CAL LEVEL", 142),
    level("ADJ THROUGH CAL LEVEL", 143),
    level("ADJ REFLECT CAL LEVEL", 144),
    level("ADJ SENSNONE CAL LEVEL", 145),
    // The length form on the native models (record 9); dots -120..120 otherwise (record 10).
    {"VERTICAL IMAGE SHIFT", R::VerticalImageShift, 0, 8128, 0, 3200, D::Length, 9},
    whole("REWINDER AUTO ONLINE DELAY", 1, 10, 58),
    whole("REWINDER TORQUE", 1, 7, 59),
    tenths("PEEL WAIT DELAY", 1, 20, 60),
    length("TOP FORM LENGTH", 64, 1016, 25, 400, 15),
    address("NETWORK ADDRESS", R::Ipv4, 90),
    address("SUBNET MASK", R::Ipv4, 91),
    address("GATEWAY ADDRESS", R::Ipv4, 92),
    whole("WLAN CHANNEL", 1, 14, 96),
    text("WLAN SSID", 0, 32, 97),
    text("WLAN WEP KEY 1", 0, 28, 100),
    text("WLAN WEP KEY 2", 0, 28, 101),
    text("WLAN WEP KEY 3", 0, 28, 102),
    text("WLAN WEP KEY 4", 0, 28, 103),
    text("WLAN PSK", 0, 63, 104, TextClass::Any),
    text("EAP USER NAME", 0, 64, 106),
    text("EAP PASSWORD", 0, 64, 107),
    text("EAP ANONYMOUS NAME", 0, 64, 110),
    special("HEAD CLEAN MESSAGE", R::HeadCleanMessage, D::Integer, 161),
    whole("STANDBY TIMER", 1, 99, 30),
    {"FIX REFLECT SENSOR", R::Decimal, 0, 33, 0, 0, D::None, -1, -1, 1},
    {"FIX REFLECT SENSOR POSITION", R::Whole, -256, 256, 0, 0, D::None, -1},
    whole("AUTO SIDE SHIFT", 0, 15, 11),
    special("SYMBOL SET", R::SymbolSet, D::Index, 18),
    address("IPV4 ADDRESS", R::Ipv4, 68),
    address("IPV4 SUBNET MASK", R::Ipv4, 69),
    address("IPV4 GATEWAY", R::Ipv4, 70),
    text("HOST NAME", 0, 31, 72),
    whole("PORT NUMBER", 1024, 32767, 73),
    whole("TIMEOUT", 0, 300, 74),
    address("IPV6 ADDRESS", R::Ipv6, 79),
    whole("IPV6 PREFIX LENGTH", 1, 128, 80),
    address("IPV6 GATEWAY", R::Ipv6, 81),
    tenths("TT HOT HEATRATE ADJUST", -10, 10, 148),
    tenths("TT COLD HEATRATE ADJUST", -10, 10, 149),
    tenths("DT HOT HEATRATE ADJUST", -10, 10, 150),
    tenths("DT COLD HEATRATE ADJUST", -10, 10, 151),
    tenths("TT HOT HEATRATE ADJUST 2", -10, 10, 163),
    tenths("TT COLD HEATRATE ADJUST 2", -10, 10, 164),
    tenths("DT HOT HEATRATE ADJUST 2", -10, 10, 165),
    tenths("DT COLD HEATRATE ADJUST 2", -10, 10, 166),
    headCheck("HEAD CHECK PATTERN WIDTH", R::HeadCheckWidth, 832, 1240, HeadCheckFlag::Width,
              kHeadCheckWidthRecord),
    text("BT PIN CODE", 4, 16, 115, TextClass::Name),
    text("BT DEVICE NAME", 1, 31, 116, TextClass::Name),
    length("RFID CALIB BASE POSITION", 0, 2540, 0, 1000, 43),
    length("RFID FIXED POSITION", 0, 2540, 0, 1000, 46),
    special("RFID FIXED POWER", R::RfidPower, D::Integer, 47),
    length("RFID NG MARK POSITION", 30, 2540, 12, 1000, 48),
    length("RFID NG MARK WIDTH", 100, 2540, 39, 1000, 49),
    length("RFID NG MARK HEIGHT", 100, 2540, 39, 1000, 50),
    length("RFID NG MARK THICKNESS", 10, 100, 4, 39, 51),
    length("RFID ANTENNA POSITION", 0, 2540, 0, 1000, 173),
    length("RFID REVERSE MEDIA LENGTH", 0, 2540, 0, 1000, 174),
};
static_assert(std::size(kConversionRows) == kConversionRowCount);

constexpr AliasRow kAliasRows[] = {
    {"RFID CALIB Y POSITION", "RFID CALIB BASE POSITION"},
    {"RFID Y POSITION", "RFID FIXED POSITION"},
    {"RFID WRITE POWER", "RFID FIXED POWER"},
    {"RFID NGMARK POSITION", "RFID NG MARK POSITION"},
    {"RFID NGMARK WIDTH", "RFID NG MARK WIDTH"},
    {"RFID NGMARK HEIGHT", "RFID NG MARK HEIGHT"},
    {"RFID NGMARK THICKNESS", "RFID NG MARK THICKNESS"},
};
static_assert(std::size(kAliasRows) == kAliasRowCount);

} // namespace

std::span<const ConversionRow> conversionTable() {
    return kConversionRows;
}

std::span<const AliasRow> aliasTable() {
    return kAliasRows;
}

int conversionRowOf(std::string_view key) {
    for (int i = 0; i < static_cast<int>(std::size(kConversionRows)); ++i)
        if (kConversionRows[i].key == key) return i;
    return -1;
}

} // namespace tessaline
