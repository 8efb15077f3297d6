#include "config/key_table.h"

#include <array>

namespace tessaline {

namespace {

constexpr std::string_view kKeys[kKeyEntryCount] = {
    // 0..27
    "GLOBAL CONFIG",
    "PRINT SPEED",
    "PRINT DARKNESS",
    "DARKNESS ADJUST",
    "PRINT METHOD",
    "RIBBON WINDING DIRECTION",
    "CONTINUOUS MEDIA LENGTH",
    "VERTICAL POSITION",
    "HORIZONTAL SHIFT",
    "VERTICAL IMAGE SHIFT",
    "VERTICAL IMAGE SHIFT",
    "AUTO SIDE SHIFT",
    "SENSOR SELECT",
    "MEDIA SENSOR",
    "TOP FORM SENSOR",
    "TOP FORM LENGTH",
    "SMALL MEDIA ADJUSTMENT",
    "SMALL MEDIA LENGTH",
    "SYMBOL SET",
    "SENSOR LEVEL",
    "PAPER END LEVEL",
    "ERROR REPORTING",
    "COVER OPEN SENSOR",
    "BUZZER SELECT",
    "METRIC/INCH",
    "MAX MEDIA LENGTH",
    "SETTINGS LOCK",
    "KEYBOARD LOCK",
    // 28..36
    "STANDBY MODE",
    "STANDBY TIMER",
    "PAPER NEAR END STATUS",
    "PAPER NEAR END ALARM",
    "CONTROL CODE",
    "EMULATION SELECT",
    "EMULATION AUTO DETECT",
    "MEDIA POWER UP",
    "CI LOCK",
    // 37..48
    "AUTOCONFIGURE",
    "FUNCTION SELECT",
    "CUTTER TYPE",
    "CUTTER ACTION",
    "REWINDER AUTO ONLINE",
    "REWINDER AUTO ONLINE DELAY",
    "REWINDER TORQUE",
    "PEEL WAIT DELAY",
    "PAPER POSITION",
    "MODE/REPEAT KEY",
    "MENU KEY ACTION",
    "FEED KEY ACTION",
    // 49..65
    "USB DEVICE CLASS",
    "USB VCOM PROTOCOL",
    "USB 2 HIGH SPEED",
    "IPV4 ADDRESS",
    "IPV4 SUBNET MASK",
    "IPV4 GATEWAY",
    "IPV4 DHCP",
    "HOST NAME",
    "PORT NUMBER",
    "TIMEOUT",
    "TIMEOUT ACTION",
    "SEND BUFFER DATA",
    "IPV6",
    "IPV6 FIXED ADDRESS",
    "IPV6 ADDRESS",
    "IPV6 PREFIX LENGTH",
    "IPV6 GATEWAY",
    // 66..77
    "RS-232C BAUD",
    "RS-232C PARITY",
    "RS-232C LENGTH",
    "RS-232C STOP BIT",
    "RS-232C X-ON",
    "IEEE1284",
    "WEB MONITOR",
    "NETWORK ADDRESS",
    "SUBNET MASK",
    "GATEWAY ADDRESS",
    "BOOTP",
    "DHCP",
    // 78..93
    "WLAN MODE",
    "WLAN CHANNEL",
    "WLAN SSID",
    "WLAN ENCRYPTION",
    "WLAN WEP KEY ID",
    "WLAN WEP KEY 1",
    "WLAN WEP KEY 2",
    "WLAN WEP KEY 3",
    "WLAN WEP KEY 4",
    "WLAN PSK",
    "EAP AUTHENTICATION",
    "EAP USER NAME",
    "EAP PASSWORD",
    "EAP PEAP/FAST OPTION",
    "EAP INNER AUTHENTICATION",
    "EAP ANONYMOUS NAME",
    // 94..99
    "BT SECURITY",
    "BT CONNECTION",
    "BT DISCOVERABLE",
    "BT IOS RECONNECT",
    "BT PIN CODE",
    "BT DEVICE NAME",
    // 100..107
    "RFID SETTINGS",
    "RFID CALIB BASE POSITION",
    "RFID FIXED POSITION",
    "RFID FIXED POWER",
    "RFID NG MARK POSITION",
    "RFID NG MARK WIDTH",
    "RFID NG MARK HEIGHT",
    "RFID NG MARK THICKNESS",
    // 108..117
    "LCD BRIGHTNESS",
    "STANDALONE",
    "PREVIEW",
    "DOUBLE HEAT MENU",
    "TOP FORM SENSING",
    "PARALLEL ERROR OUTPUT",
    "TYPE 1 MODE",
    "LCD STANDBY",
    "PRINT PREFERENCE",
    "NON-STOP CUT",
    // 118..127
    "THROUGH SENSOR POSITION",
    "REFLECT SENSOR POSITION",
    "THROUGH SENSOR POSITION",
    "REFLECT SENSOR POSITION",
    "ADJ THROUGH SENSOR POSITION",
    "ADJ REFLECT SENSOR POSITION",
    "MACH TEAR POS",
    "MACH CUT POS",
    "MACH PEEL POS",
    "MACH HOR POS",
    // 128..137
    "AUTOCAL MODE",
    "SEE THROUGH SENSOR",
    "REFLECT SENSOR",
    "SEE THROUGH SENSOR",
    "REFLECT SENSOR",
    "ADJ THROUGH SENSOR",
    "ADJ REFLECT SENSOR",
    "SEETHROUGH SENSITIVITY",
    "REFLECT SENSITIVITY",
    "FIX REFLECT SENSITIVITY",
    // 138..146
    "ADJ THROUGH CAL LEVEL",
    "ADJ REFLECT CAL LEVEL",
    "ADJ SENSNONE CAL LEVEL",
    "FIX THROUGH CAL LEVEL",
    "FIX REFLECT CAL LEVEL",
    "FIX SENSNONE CAL LEVEL",
    "ADJ THROUGH CAL LEVEL",
    "ADJ REFLECT CAL LEVEL",
    "ADJ SENSNONE CAL LEVEL",
    // 147..163
    "DARKNESS RATE",
    "DOUBLE HEAT MENU",
    "TT HOT HEATRATE ADJUST",
    "TT COLD HEATRATE ADJUST",
    "DT HOT HEATRATE ADJUST",
    "DT COLD HEATRATE ADJUST",
    "POWERON HEAD CHECK",
    "HEAD CHECK START POS",
    "HEAD CHECK STOP POS",
    "RIBBON END DETECTION",
    "PARALLEL ERROR OUTPUT",
    "TOP FORM SENSING",
    "USB SERIAL NUMBER",
    "AUTO EXEC PRINT",
    "CONFIG PRINT LAYOUT",
    "HEAD CLEAN MESSAGE",
    "PRINT PREFERENCE",
    // 164..175
    "TT HOT HEATRATE ADJUST 2",
    "TT COLD HEATRATE ADJUST 2",
    "DT HOT HEATRATE ADJUST 2",
    "DT COLD HEATRATE ADJUST 2",
    "HEAD CHECK PATTERN PRINT",
    "HEAD CHECK PATTERN WIDTH",
    "SNMP",
    "HTML",
    "TYPE 1 MODE",
    "PCB TEMPERATURE",
    "RFID ANTENNA POSITION",
    "RFID REVERSE MEDIA LENGTH",
    // 176..178: RFID calibration results, only ever read
    "RFID CALIB EXECUTED",
    "RFID CALIB POSITION OFFSET",
    "RFID CALIB POWER",
};

// Entries first..last carry records firstRecord.. one to one.
struct RecordRun {
    int first;
    int last;
    int firstRecord;
};

constexpr RecordRun kRecordRuns[] = {
    {0, 27, 0},      {28, 36, 29},    {37, 40, 52},   {41, 44, 57},    {45, 60, 61},
    {61, 71, 77},    {72, 82, 89},    {83, 99, 100},  {100, 100, 41},  {101, 101, 43},
    {102, 107, 46},  {108, 108, 28},  {109, 110, 38}, {111, 111, 147}, {112, 112, 157},
    {113, 113, 156}, {114, 114, 171}, {115, 115, 40}, {116, 116, 162}, {117, 117, 56},
    {118, 175, 117}, {176, 176, 42},  {177, 177, 44}, {178, 178, 45},
};

struct SuffixRun {
    int first;
    int last;
    std::string_view suffix;
};

constexpr SuffixRun kSuffixRuns[] = {
    {10, 11, "\tDOTS"}, {118, 127, "\tDOTS"}, {169, 169, "\tDOTS"}, {19, 20, "\tV"},
    {129, 134, "\tV"},  {138, 146, "\tV"},    {29, 29, "\tMIN"},    {42, 42, "\tSEC"},
    {44, 44, "\tSEC"},  {58, 58, "\tSEC"},    {108, 108, "\t%"},    {149, 152, "\t%"},
    {164, 167, "\t%"},  {154, 155, "DOT"},    {162, 162, "\tM"},
};

constexpr std::array<KeyEntry, kKeyEntryCount> buildKeyTable() {
    std::array<KeyEntry, kKeyEntryCount> table{};
    for (int i = 0; i < kKeyEntryCount; ++i)
        table[i] = {-1, kKeys[i], {}};
    for (const auto& run : kRecordRuns)
        for (int i = run.first; i <= run.last; ++i)
            table[i].record = run.firstRecord + i - run.first;
    for (const auto& run : kSuffixRuns)
        for (int i = run.first; i <= run.last; ++i)
            table[i].unitSuffix = run.suffix;
    return table;
}

constexpr std::array<KeyEntry, kKeyEntryCount> kKeyTable = buildKeyTable();

constexpr bool everyEntryHasRecord() {
    for (const auto& entry : kKeyTable)
        if (entry.record < 0 || entry.record >= kRecordCount || entry.key.empty()) return false;
    return true;
}
static_assert(everyEntryHasRecord());

} // namespace

std::span<const KeyEntry> keyTable() {
    return kKeyTable;
}

int recordOfKey(std::string_view key) {
    for (int i = kKeyEntryCount - 1; i >= 0; --i)
        if (kKeyTable[i].key == key) return kKeyTable[i].record;
    return -1;
}

} // namespace tessaline
