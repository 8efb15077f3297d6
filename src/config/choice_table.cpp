#include "config/choice_table.h"

#include "config/key_table.h"
#include "config/text_vocabulary.h"

#include <array>

namespace tessaline {

namespace {

using W = ChoiceWord;
using P = ChoicePosition;

constexpr W kOffOn[] = {{"OFF", 0}, {"ON", 1}};
constexpr W kOnOff[] = {{"ON", 0}, {"OFF", 1}};
constexpr W kCutterAction[] = {{"BACKFEED", 1}, {"THROUGH", 0}};
constexpr W kFunctionSelect[] = {
    {"OFF", 0}, {"TEAR", 1}, {"PEEL ON", 2}, {"CUT ON", 3}, {"REWIND", 4}};
constexpr W kModeRepeatKey[] = {{"LABEL SET", 0}, {"LAST ONE", 1}, {"DISABLED", 2}};
constexpr W kMenuKeyAction[] = {{"REPEAT SET", 0}, {"REPEAT ONE", 1}, {"ENTERS MENU", 2}};
constexpr W kBaudRate[] = {{"2400", 1},  {"4800", 2},  {"9600", 3},  {"19200", 5},
                           {"38400", 7}, {"57600", 8}, {"115200", 9}};
constexpr W kDataLength[] = {{"7 BITS", 0}, {"8 BITS", 1}};
constexpr W kParity[] = {{"NONE", 0}, {"ODD", 1}, {"EVEN", 2}};
constexpr W kStopBit[] = {{"1 BIT", 0}, {"2 BITS", 1}};
constexpr W kNoYes[] = {{"NO", 0}, {"YES", 1}};
constexpr W kMediaSensor[] = {{"SEE THROUGH", 0}, {"REFLECT", 1}, {"NONE", 2}};
constexpr W kPrintMethod[] = {{"DT", 1}, {"TT", 0}};
constexpr W kPrintSpeed[] = {{"2 IPS", 0},  {"3 IPS", 1},  {"4 IPS", 2},  {"5 IPS", 3},
                             {"6 IPS", 4},  {"7 IPS", 5},  {"8 IPS", 6},  {"9 IPS", 7},
                             {"10 IPS", 8}, {"11 IPS", 9}, {"12 IPS", 10}};
constexpr W kBuzzer[] = {{"EXEC/ERROR", 0}, {"ALL", 1}, {"ERROR", 2}, {"KEY", 3},
                         {"NONE", 4},       {"ON", 5},  {"OFF", 6}};
constexpr W kEmulationSelect[] = {{"DM4", 1}, {"DMI", 2}, {"DPP", 3}};
constexpr W kControlCode[] = {{"ALT", 0}, {"STD", 1}, {"ALT-2", 2}};
constexpr W kMetricInch[] = {{"MM", 0}, {"INCH", 1}};
constexpr W kMachineEmulation[] = {{"CODE_KALDORA", 0}, {"CODE_ZEBRA", 1}, {"CODE_EPL", 2}};
constexpr W kRibbonEnd[] = {{"QUICK", 0}, {"NORMAL", 1}, {"SLOW", 2}};
constexpr W kSensorSelect[] = {{"FRONT FIXED SENSOR", 0}, {"REAR ADJ SENSOR", 1}};
constexpr W kGlobalConfig[] = {{"CONFIG SET 1", 0}, {"CONFIG SET 2", 1}, {"CONFIG SET 3", 2}};
constexpr W kUsbClass[] = {{"PRINTER", 0}, {"VCOM", 1}};
constexpr W kVcomProtocol[] = {{"AUTO", 0}, {"DTR", 1}, {"X-ON", 2}};
constexpr W kAutoDetect[] = {{"ON", 0}, {"OFF", 1}, {"FULL AUTO", 2}};
constexpr W kCutterType[] = {{"STANDARD", 0}, {"HEAVYDUTY", 1}};
constexpr W kErrorReporting[] = {{"ON PRINTING", 0}, {"IMMEDIATE", 1}};
constexpr W kHighLow[] = {{"HIGH", 0}, {"LOW", 1}};
constexpr W kPrintLayout[] = {{"STANDARD", 0}, {"REVERSED", 1}};
constexpr W kWebMonitor[] = {{"AUTO", 0}, {"ON", 1}, {"OFF", 2}};
constexpr W kWlanMode[] = {{"INFRASTRUCTURE", 0}, {"AUTO", 1}, {"AD-HOC", 2}, {"SOFTAP", 3}};
constexpr W kWlanEncryption[] = {{"NONE", 0},      {"WEP", 1},           {"WEP(SHARED KEY)", 2},
                                 {"WPA(TKIP)", 3}, {"WPA(AES)", 4},      {"WPA2(TKIP)", 5},
                                 {"WPA2(AES)", 6}, {"WPA(AES/TKIP)", 7}, {"WPA2(AES/TKIP)", 8},
                                 {"WPA-AUTO", 9}};
constexpr W kWepKeyId[] = {{"KEY 1", 0}, {"KEY 2", 1}, {"KEY 3", 2}, {"KEY 4", 3}};
constexpr W kEapAuthentication[] = {{"OPEN SYSTEM", 0}, {"SHARED KEY", 1}, {"EAP-MD5", 2},
                                    {"EAP-TLS", 3},     {"EAP-TTLS", 4},   {"EAP-PEAP", 5},
                                    {"EAP-FAST", 6}};
constexpr W kEapOption[] = {{"NONE", 0},    {"PEAP LABEL0", 1}, {"PEAP LABEL1", 2},
                            {"PEAP V0", 3}, {"PEAP V1", 4},     {"FAST INLINE PROVISIONING", 5}};
constexpr W kEapInner[] = {{"NONE", 0}, {"MSCHAPv2", 1}, {"PAP", 2},
                           {"CHAP", 3}, {"EAP-MD5", 4},  {"EAP-TLS", 5}};
constexpr W kPrintPreference[] = {{"DARKNESS", 0}, {"SPEED", 1}};
constexpr W kSensitivity[] = {{"LOW", 0}, {"MEDIUM", 1}, {"HIGH", 2}};
constexpr W kWinding[] = {{"OUTSIDE", 0}, {"INSIDE", 1}};
constexpr W kTimeoutAction[] = {{"CLOSE ALL", 0}, {"MOVE NEXT", 1}};
constexpr W kSendBuffer[] = {{"DISABLE", 0}, {"ENABLE", 1}};
constexpr W kFeedKeyAction[] = {{"REPEAT SET", 0}, {"REPEAT ONE", 1}, {"FEEDS MEDIA", 2}};
constexpr W kBtSecurity[] = {{"MIDDLE", 0}, {"HIGH", 1}};
constexpr W kBtConnection[] = {{"ALL DEVICES", 0}, {"PAIR ONLY", 1}};
constexpr W kTypeOneMode[] = {{"ON", 0}, {"TYPE2", 1}, {"OFF", 2}};
constexpr W kRfidSettings[] = {{"AUTO", 0}, {"FIXED", 1}};
constexpr W kLcdBrightness[] = {{"10", 0}, {"20", 1}, {"30", 2}, {"40", 3}, {"50", 4},
                                {"60", 5}, {"70", 6}, {"80", 7}, {"90", 8}, {"100", 9}};
constexpr W kNonStopCut[] = {{"OFF", 0}, {"ON W/ BACKFEED", 1}, {"ON W/O BACKFEED", 2}};

constexpr ChoiceRow kChoiceRows[] = {
    {"CUTTER ACTION", kCutterAction},
    {"FUNCTION SELECT", kFunctionSelect},
    {"AUTOCONFIGURE", kOffOn},
    {"MODE/REPEAT KEY", kModeRepeatKey},
    {"MENU KEY ACTION", kMenuKeyAction},
    {"AUTOCAL MODE", kOffOn},
    {"DOUBLE HEAT MENU", kOffOn, P::NotTransferred},
    {"IEEE1284", kOnOff},
    {"RS-232C BAUD", kBaudRate, P::BaudRate},
    {"RS-232C LENGTH", kDataLength},
    {"RS-232C PARITY", kParity},
    {"RS-232C STOP BIT", kStopBit},
    {"RS-232C X-ON", kNoYes},
    {kDoubleHeatKey, kOffOn, P::Code, kDoubleHeatRecord},
    {"MEDIA SENSOR", kMediaSensor},
    {"PRINT METHOD", kPrintMethod},
    {"PRINT SPEED", kPrintSpeed},
    {"SMALL MEDIA ADJUSTMENT", kOffOn},
    {"BUZZER SELECT", kBuzzer},
    {"EMULATION SELECT", kEmulationSelect, P::AfterPrinterKind},
    {"CONTROL CODE", kControlCode},
    {"METRIC/INCH", kMetricInch},
    {"SETTINGS LOCK", kOffOn},
    {"CI LOCK", kOffOn},
    {kMachineEmulationKey, kMachineEmulation, P::MachineEmulation, kEmulationSelectRecord},
    {"RIBBON END DETECTION", kRibbonEnd, P::QuickRejected},
    {"POWERON HEAD CHECK", kOnOff},
    {"PARALLEL ERROR OUTPUT", kOnOff},
    {"SENSOR SELECT", kSensorSelect},
    {"COVER OPEN SENSOR", kOffOn},
    {"GLOBAL CONFIG", kGlobalConfig},
    {"MEDIA POWER UP", kOffOn},
    {"USB DEVICE CLASS", kUsbClass},
    {"USB VCOM PROTOCOL", kVcomProtocol},
    {"REWINDER AUTO ONLINE", kOffOn},
    {"EMULATION AUTO DETECT", kAutoDetect},
    {"TOP FORM SENSING", kOnOff},
    {"CUTTER TYPE", kCutterType},
    {"ERROR REPORTING", kErrorReporting},
    {"USB SERIAL NUMBER", kOffOn},
    {"AUTO EXEC PRINT", kOnOff},
    {"DARKNESS RATE", kHighLow},
    {"CONFIG PRINT LAYOUT", kPrintLayout},
    {"WEB MONITOR", kWebMonitor},
    {"BOOTP", kOffOn},
    {"DHCP", kOffOn},
    {"WLAN MODE", kWlanMode},
    {"WLAN ENCRYPTION", kWlanEncryption},
    {"WLAN WEP KEY ID", kWepKeyId},
    {"EAP AUTHENTICATION", kEapAuthentication},
    {"EAP PEAP/FAST OPTION", kEapOption},
    {"EAP INNER AUTHENTICATION", kEapInner},
    {"PRINT PREFERENCE", kPrintPreference},
    {"TOP FORM SENSOR", kOffOn},
    {"FIX REFLECT SENSITIVITY", kSensitivity},
    {"STANDBY MODE", kOffOn},
    {"RIBBON WINDING DIRECTION", kWinding},
    {"SEETHROUGH SENSITIVITY", kSensitivity},
    {"REFLECT SENSITIVITY", kSensitivity},
    {"PAPER NEAR END STATUS", kOffOn},
    {"PAPER NEAR END ALARM", kOffOn},
    {"USB 2 HIGH SPEED", kOffOn},
    {"IPV4 DHCP", kOffOn},
    {"TIMEOUT ACTION", kTimeoutAction},
    {"SEND BUFFER DATA", kSendBuffer},
    {"IPV6", kOffOn},
    {"IPV6 FIXED ADDRESS", kOffOn},
    {"FEED KEY ACTION", kFeedKeyAction},
    {"HEAD CHECK PATTERN PRINT", kOffOn},
    {"BT SECURITY", kBtSecurity},
    {"BT CONNECTION", kBtConnection},
    {"BT DISCOVERABLE", kOnOff},
    {"BT IOS RECONNECT", kOnOff},
    {"SNMP", kOnOff},
    {"HTML", kOnOff},
    {"TYPE 1 MODE", kTypeOneMode},
    {"PCB TEMPERATURE", kOffOn},
    {"RFID SETTINGS", kRfidSettings},
    {"LCD BRIGHTNESS", kLcdBrightness},
    {"STANDALONE", kOffOn},
    {"PREVIEW", kOffOn},
    {"LCD STANDBY", kOffOn},
    {"NON-STOP CUT", kNonStopCut},
};
static_assert(std::size(kChoiceRows) == kChoiceRowCount);

constexpr int kBaudPositions[] = {-1, 0, 1, 2, -1, 3, -1, 4, 5, 6};

} // namespace

std::span<const ChoiceRow> choiceTable() {
    return kChoiceRows;
}

int choiceRecord(int rowIndex) {
    // The records are looked up in the key table once.
    static const auto records = [] {
        std::array<int, kChoiceRowCount> result{};
        for (int i = 0; i < kChoiceRowCount; ++i) {
            const ChoiceRow& each = kChoiceRows[i];
            result[i] = each.position == ChoicePosition::NotTransferred ? -1
                        : each.record >= 0                              ? each.record
                                                                        : recordOfKey(each.key);
        }
        return result;
    }();
    return rowIndex >= 0 && rowIndex < kChoiceRowCount ? records[rowIndex] : -1;
}

int choicePosition(const ChoiceRow& row, int code) {
    switch (row.position) {
    case ChoicePosition::BaudRate:
        return code >= 0 && code < static_cast<int>(std::size(kBaudPositions))
                   ? kBaudPositions[code]
                   : -1;
    case ChoicePosition::AfterPrinterKind:
        return code + 1;
    case ChoicePosition::QuickRejected:
        return code - 1;
    default:
        return code;
    }
}

int functionSelectRow() {
    static const int row = [] {
        for (int i = 0; i < kChoiceRowCount; ++i)
            if (kChoiceRows[i].key == "FUNCTION SELECT") return i;
        return -1;
    }();
    return row;
}

} // namespace tessaline
