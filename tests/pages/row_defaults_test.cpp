// Every row of the Standard and Advanced pages after a model change, for all six models: which
// rows are enabled, what they show and which spin ranges they get. The expected values are the
// printer line's published row tables, written down as texts.
#include "config/configuration_record_set.h"
#include "pages/advanced_page.h"
#include "pages/standard_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace tessaline {
namespace {

constexpr const char* kModelNames[] = {"RV-940", "RV-940Z", "RV-940E",
                                       "RV-943", "RV-943Z", "RV-943E"};

// "all", "none" or the model names separated by spaces.
bool availableOn(const std::string& models, int model) {
    if (models == "all") return true;
    if (models == "none") return false;
    std::istringstream in(models);
    for (std::string name; in >> name;)
        if (name == kModelNames[model]) return true;
    return false;
}

struct Expected {
    int row;
    const char* label;
    const char* value;  // the edit text; for a row without edit the shown list item or address
    const char* second; // the shown unit; for a row with list and edit the shown list item
    const char* models;
    int spinMin, spinMax; // 0, 0 for a row without spin
    bool hidden;
};

struct PerModel {
    int row;
    int model;
    const char* value;
};

// clang-format off
constexpr Expected kStandard[] = {
    {0, "Config Set", "CONFIG SET 1", "", "all", 0, 0, false},
    {1, "Print Speed", "7 IPS", "", "all", 0, 0, false},
    {2, "Print Darkness", "12", "", "all", 0, 30, false},
    {3, "Darkness Adjust", "0", "", "all", -10, 10, false},
    {4, "Print Method", "TT", "", "all", 0, 0, false},
    {5, "Ribbon Winding Direction", "OUTSIDE", "", "none", 0, 0, false},
    {6, "Continuous Media Length", "4.00", "INCH", "all", 0, 0, false},
    {7, "Vertical Position", "0.00", "INCH", "all", 0, 0, false},
    {8, "Horizontal Shift", "0.00", "INCH", "all", 0, 0, false},
    {9, "Vertical Image Shift", "0.00", "INCH", "RV-940 RV-943", 0, 0, false},
    {10, "Vertical Image Shift", "0", "", "RV-940Z RV-940E RV-943Z RV-943E", -120, 120, false},
    {11, "Auto Side Shift", "", "", "none", 0, 15, false},
    {12, "Sensor Select", "REAR ADJ SENSOR", "", "all", 0, 0, false},
    {13, "Media Sensor", "SEE THROUGH", "", "all", 0, 0, false},
    {14, "Small Media Adjustment", "OFF", "", "all", 0, 0, false},
    {15, "Small Media Length", "1.00", "INCH", "all", 0, 0, false},
    {16, "Symbol Set", "PM", "", "all", 0, 0, false},
    {17, "Top Form Sensor", "OFF", "", "none", 0, 0, false},
    {18, "Top Form Length", "", "INCH", "none", 0, 0, false},
    {19, "Sensor Level", "1.7", "", "all", 0, 0, false},
    {20, "Paper End Level", "3.00", "", "all", 0, 0, false},
    {21, "Error Reporting", "ON PRINTING", "", "all", 0, 0, false},
    {22, "Cover Open Sensor", "OFF", "", "none", 0, 0, false},
    {23, "Buzzer Select", "EXEC/ERROR", "", "all", 0, 0, false},
    {24, "Metric/Inch", "INCH", "", "all", 0, 0, false},
    {25, "Max Media Length", "10.00", "INCH", "all", 0, 0, false},
    {26, "Settings Lock", "OFF", "", "all", 0, 0, false},
    {27, "Keyboard Lock", "OFF", "", "all", 0, 0, false},
    {28, "Standby Mode", "OFF", "", "none", 0, 0, false},
    {29, "Standby Timer", "5", "", "all", 1, 99, false},
    {30, "PNE Status", "ON", "", "none", 0, 0, false},
    {31, "PNE Alarm", "OFF", "", "none", 0, 0, false},
    {32, "Control Code", "STD", "", "RV-940 RV-943", 0, 0, false},
    {33, "Emulation Select", "DM4", "", "all", 0, 0, false},
    {34, "Emulation Auto Detect", "FULL AUTO", "", "all", 0, 0, false},
    {35, "Mesuring at Power ON", "OFF", "", "RV-940Z RV-940E RV-943Z RV-943E", 0, 0, false},
    {36, "CI Lock", "OFF", "", "RV-940Z RV-940E RV-943Z RV-943E", 0, 0, false},
    {37, "Auto Configure", "ON", "", "all", 0, 0, false},
    {38, "Function Select", "TEAR", "", "all", 0, 0, false},
    {39, "Cutter Type", "STANDARD", "", "all", 0, 0, false},
    {40, "Cutter Action", "BACKFEED", "", "all", 0, 0, false},
    {41, "Rewinder Auto Online", "OFF", "", "all", 0, 0, false},
    {42, "Rewinder Auto Online Delay", "2", "", "all", 1, 10, false},
    {43, "Rewinder Torque", "4", "", "all", 1, 7, false},
    {44, "Peel Wait Delay", "0.1", "", "all", 0, 0, false},
    {45, "Paper Position", "0.00", "INCH", "all", 0, 0, false},
    {46, "Mode/Repeat Key", "DISABLED", "", "none", 0, 0, false},
    {47, "Menu Key Action", "ENTERS MENU", "", "none", 0, 0, false},
    {48, "Feed Key Action", "FEEDS MEDIA", "", "none", 0, 0, false},
    {49, "USB Device Class", "PRINTER", "", "all", 0, 0, false},
    {50, "USB VCOM Protocol", "AUTO", "", "all", 0, 0, false},
    {51, "USB 2.0 High Speed", "ON", "", "all", 0, 0, false},
    {52, "IPv4 Address", "0.0.0.0", "", "all", 0, 0, false},
    {53, "IPv4 Subnet Mask", "0.0.0.0", "", "all", 0, 0, false},
    {54, "IPv4 Gateway", "0.0.0.0", "", "all", 0, 0, false},
    {55, "IPv4 DHCP", "ON", "", "all", 0, 0, false},
    {56, "Host Name", "PRINTSERVERXXYYZZ", "", "all", 0, 0, false},
    {57, "Port Number", "9100", "", "all", 0, 0, false},
    {58, "Timeout", "60", "", "all", 0, 300, false},
    {59, "Action at timeout", "CLOSE ALL", "", "all", 0, 0, false},
    {60, "Transmits buffered data", "DISABLE", "", "all", 0, 0, false},
    {61, "IPv6", "ON", "", "all", 0, 0, false},
    {62, "Fixed IPv6 Address", "ON", "", "all", 0, 0, false},
    {63, "IPv6 Address", "0000:0000:0000:0000:0000:0000:0000:0000", "", "all", 0, 0, false},
    {64, "IPv6 Prefix Length", "64", "", "all", 0, 0, false},
    {65, "IPv6 Gateway", "0000:0000:0000:0000:0000:0000:0000:0000", "", "all", 0, 0, false},
    {66, "Baud Rate", "9600", "", "all", 0, 0, false},
    {67, "Parity", "NONE", "", "all", 0, 0, false},
    {68, "Data Length", "8 BITS", "", "all", 0, 0, false},
    {69, "Stop Bit", "1 BIT", "", "all", 0, 0, false},
    {70, "X-ON", "YES", "", "all", 0, 0, false},
    {71, "IEEE 1284", "ON", "", "all", 0, 0, false},
    {72, "Web Monitor", "AUTO", "", "all", 0, 0, false},
    {73, "Network Address", "0.0.0.0", "", "all", 0, 0, false},
    {74, "Subnet Mask", "0.0.0.0", "", "all", 0, 0, false},
    {75, "Gateway Address", "0.0.0.0", "", "all", 0, 0, false},
    {76, "BOOTP", "ON", "", "all", 0, 0, false},
    {77, "DHCP", "ON", "", "all", 0, 0, false},
    {78, "WLAN Mode", "INFRASTRUCTURE", "", "all", 0, 0, false},
    {79, "WLAN Channel", "1", "", "all", 1, 14, false},
    {80, "WLAN SSID", "", "", "all", 0, 0, false},
    {81, "Encryption", "NONE", "", "all", 0, 0, false},
    {82, "WEP Key ID", "KEY 1", "", "all", 0, 0, false},
    {83, "WEP Key 1", "", "", "all", 0, 0, false},
    {84, "WEP Key 2", "", "", "all", 0, 0, false},
    {85, "WEP Key 3", "", "", "all", 0, 0, false},
    {86, "WEP Key 4", "", "", "all", 0, 0, false},
    {87, "WPA/WPA2 PSK", "", "", "all", 0, 0, false},
    {88, "Authentication", "OPEN SYSTEM", "", "all", 0, 0, false},
    {89, "User Name", "", "", "all", 0, 0, false},
    {90, "Password", "", "", "all", 0, 0, false},
    {91, "PEAP/FAST Option", "NONE", "", "all", 0, 0, false},
    {92, "Inner Authentication", "NONE", "", "all", 0, 0, false},
    {93, "Anonymous Name", "", "", "all", 0, 0, false},
    {94, "Security", "MIDDLE", "", "none", 0, 0, true},
    {95, "Connection", "ALL DEVICES", "", "none", 0, 0, true},
    {96, "Discoverable", "ON", "", "none", 0, 0, true},
    {97, "iOS ReConnect", "ON", "", "none", 0, 0, true},
    {98, "PIN Code", "", "", "none", 0, 0, true},
    {99, "Device Name", "", "", "none", 0, 0, true},
    {100, "RFID Settings", "AUTO", "", "none", 0, 0, true},
    {101, "RFID Calib Base Position", "0.66", "INCH", "none", 0, 0, true},
    {102, "RFID Fixed Position", "0.66", "INCH", "none", 0, 0, true},
    {103, "RFID Fixed Power", "6", "", "none", 0, 0, true},
    {104, "RFID NG Mark Position", "0.12", "INCH", "none", 0, 0, true},
    {105, "RFID NG Mark Width", "1.85", "INCH", "none", 0, 0, true},
    {106, "RFID NG Mark Height", "0.98", "INCH", "none", 0, 0, true},
    {107, "RFID NG Mark Thickness", "0.04", "INCH", "none", 0, 0, true},
    {108, "LCD Brightness", "100", "", "all", 0, 0, false},
    {109, "Standalone Forms Printing", "OFF", "", "all", 0, 0, false},
    {110, "Preview Mode", "OFF", "", "all", 0, 0, false},
    {111, "Double Heat", "OFF", "", "all", 0, 0, false},
    {112, "Top Form Sensing", "ON", "", "all", 0, 0, false},
    {113, "Parallel Error Output", "ON", "", "all", 0, 0, false},
    {114, "Compatible Mode", "TYPE1", "", "all", 0, 0, false},
    {115, "LCD Standby", "OFF", "", "all", 0, 0, false},
    {116, "Print Preference", "Darkness", "", "all", 0, 0, false},
    {117, "Non-stop Cut", "ON W/O BACKFEED", "", "all", 0, 0, false},
};
constexpr PerModel kStandardPerModel[] = {
    {2, 0, "12"},
    {2, 1, "12"},
    {2, 3, "12"},
    {2, 4, "12"},
    {2, 2, "7"},
    {2, 5, "7"},
    {33, 0, "DM4"},
    {33, 3, "DM4"},
    {33, 1, "ZPI2"},
    {33, 4, "ZPI2"},
    {33, 2, "EPI2"},
    {33, 5, "EPI2"},
};
constexpr Expected kAdvanced[] = {
    {0, "Through Sensor Position", "", "", "none", -256, 256, false},
    {1, "Reflect Sensor Position", "", "", "none", -256, 256, false},
    {2, "Fix Through Sensor Position", "0", "", "all", -256, 256, false},
    {3, "Fix Reflect Sensor Position", "0", "", "all", -256, 256, false},
    {4, "Adj Through Sensor Position", "0", "", "all", -256, 256, false},
    {5, "Adj Reflect Sensor Position", "0", "", "all", -256, 256, false},
    {6, "Machine Tear Position", "0", "", "all", -256, 256, false},
    {7, "Machine Cut Position", "0", "", "all", -256, 256, false},
    {8, "Machine Peel Position", "0", "", "all", -256, 256, false},
    {9, "Machine Horizontal Position", "8", "", "all", -16, 32, false},
    {10, "AutoCal Mode", "ON", "", "all", 0, 0, false},
    {11, "See Through Sensor", "", "", "none", 0, 0, false},
    {12, "Reflect Sensor", "", "", "none", 0, 0, false},
    {13, "Fix Through Sensor", "0.0", "", "all", 0, 0, false},
    {14, "Fix Reflect Sensor", "0.0", "", "all", 0, 0, false},
    {15, "Adj Through Sensor", "0.0", "", "all", 0, 0, false},
    {16, "Adj Reflect Sensor", "0.0", "", "all", 0, 0, false},
    {17, "See Through Sensitivity", "LOW", "", "none", 0, 0, false},
    {18, "Reflect Sensitivity", "LOW", "", "none", 0, 0, false},
    {19, "Fix Reflect Sensitivity", "LOW", "", "none", 0, 0, false},
    {20, "Through Cal Level", "", "", "none", 0, 0, false},
    {21, "Reflect Cal Level", "", "", "none", 0, 0, false},
    {22, "SensNone Cal Level", "", "", "none", 0, 0, false},
    {23, "Fix Through Cal Level", "2.30", "", "all", 0, 0, false},
    {24, "Fix Reflect Cal Level", "2.10", "", "all", 0, 0, false},
    {25, "Fix SensNone Cal Level", "2.05", "", "all", 0, 0, false},
    {26, "Adj Through Cal Level", "2.30", "", "all", 0, 0, false},
    {27, "Adj Reflect Cal Level", "2.10", "", "all", 0, 0, false},
    {28, "Adj SensNone Cal Level", "2.05", "", "all", 0, 0, false},
    {29, "Darkness Rate", "HIGH", "", "all", 0, 0, false},
    {30, "Double Heat", "OFF", "", "none", 0, 0, true},
    {31, "TT Hot Heatrate Adjust", "0.0", "", "all", 0, 0, false},
    {32, "TT Cold Heatrate Adjust", "0.0", "", "all", 0, 0, false},
    {33, "DT Hot Heatrate Adjust", "0.0", "", "all", 0, 0, false},
    {34, "DT Cold Heatrate Adjust", "0.0", "", "all", 0, 0, false},
    {35, "PowerOn Head Check", "ON", "", "all", 0, 0, false},
    {36, "Head Check Start Position", "1", "", "all", 1, 848, false},
    {37, "Head Check Stop Position", "848", "", "all", 1, 848, false},
    {38, "Ribbon End Detection", "NORMAL", "", "all", 0, 0, false},
    {39, "Parallel Error Output", "ON", "", "none", 0, 0, true},
    {40, "Top Form Sensing", "ON", "", "none", 0, 0, true},
    {41, "USB Serial Number", "", "OFF", "all", 0, 0, false},
    {42, "Auto Exec Print", "ON", "", "all", 0, 0, false},
    {43, "Config Print Layout", "STANDARD", "", "all", 0, 0, false},
    {44, "Head Clean Message", "0", "", "all", 0, 9999999, false},
    {45, "Print Preference", "DARKNESS", "", "none", 0, 0, true},
    {46, "TT Hot Heatrate Adjust2", "0.0", "", "all", 0, 0, false},
    {47, "TT Cold Heatrate Adjust2", "0.0", "", "all", 0, 0, false},
    {48, "DT Hot Heatrate Adjust2", "0.0", "", "all", 0, 0, false},
    {49, "DT Cold Heatrate Adjust2", "0.0", "", "all", 0, 0, false},
    {50, "Head Check Pattern Print", "OFF", "", "none", 0, 0, false},
    {51, "Head Check Pattern Width", "", "203dpi", "none", 1, 832, false},
    {52, "SNMP", "ON", "", "all", 0, 0, false},
    {53, "HTML", "ON", "", "all", 0, 0, false},
    {54, "Compatible Mode", "TYPE1", "", "none", 0, 0, true},
    {55, "PCB Temperature", "ON", "", "all", 0, 0, false},
    {56, "RFID Antenna Position", "0.73", "INCH", "none", 0, 0, true},
    {57, "RFID Reverse Media Length", "0.00", "INCH", "none", 0, 0, true},
};
constexpr PerModel kAdvancedPerModel[] = {
    {37, 0, "848"},
    {37, 1, "848"},
    {37, 2, "848"},
    {37, 3, "1264"},
    {37, 4, "1264"},
    {37, 5, "1264"},
};
// clang-format on

std::string expectedValue(const Expected& e, std::span<const PerModel> perModel, int model) {
    for (const PerModel& p : perModel)
        if (p.row == e.row && p.model == model) return p.value;
    return e.value;
}

std::string dotted(const std::array<int, 4>& a) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
           std::to_string(a[3]);
}

void expectRows(const RowPage& page, std::span<const Expected> table,
                std::span<const PerModel> perModel, int model) {
    ASSERT_EQ(page.size(), static_cast<int>(table.size()));
    for (const Expected& e : table) {
        SCOPED_TRACE(std::string(kModelNames[model]) + " row " + std::to_string(e.row) + " " +
                     e.label);
        const SettingRow& row = page.row(e.row);
        const RowState& s = page.state(e.row);
        EXPECT_EQ(page.label(e.row), e.label);
        EXPECT_EQ(s.enabled, availableOn(e.models, model));
        EXPECT_EQ(row.hidden, e.hidden);
        EXPECT_FALSE(s.checked);
        const std::string value = expectedValue(e, perModel, model);
        if (row.hasEdit()) {
            EXPECT_EQ(s.editText, value);
            if (row.hasValueList()) {
                EXPECT_EQ(page.shownValue(e.row), e.second);
            }
        } else if (row.address) {
            EXPECT_EQ(dotted(s.address), value);
        } else {
            EXPECT_EQ(page.shownValue(e.row), value);
        }
        if (row.hasUnitList() && *e.second != '\0') {
            EXPECT_EQ(page.shownUnit(e.row), e.second);
        }
        if (e.spinMin != 0 || e.spinMax != 0) {
            EXPECT_EQ(s.spinMin, e.spinMin);
            EXPECT_EQ(s.spinMax, e.spinMax);
        }
    }
}

class RowDefaults : public ::testing::TestWithParam<int> {};

TEST_P(RowDefaults, StandardRowsFollowTheModel) {
    const int model = GetParam();
    ConfigurationRecordSet records;
    StandardPage page(records);
    page.applyLanguage(Region::English);
    page.applyAvailability(model, Region::English);
    page.buildSpeedList(model);
    page.restoreDefaults(model);
    // Print Darkness runs to 15 under Eltron emulation; the table gives the 0..30 of the others.
    Expected table[std::size(kStandard)];
    std::copy(std::begin(kStandard), std::end(kStandard), table);
    if (model % 3 == 2) table[2].spinMax = 15;
    expectRows(page.rows(), table, kStandardPerModel, model);
}

TEST_P(RowDefaults, AdvancedRowsFollowTheModel) {
    const int model = GetParam();
    ConfigurationRecordSet records;
    AdvancedPage page(records);
    page.applyAvailability(model, Region::English);
    page.restoreDefaults(model);
    Expected table[std::size(kAdvanced)];
    std::copy(std::begin(kAdvanced), std::end(kAdvanced), table);
    // The head check positions run over the dots of the family's head: 848 or 1264.
    const bool dpi300 = model >= 3;
    table[36].spinMax = table[37].spinMax = dpi300 ? 1264 : 848;
    table[36].second = table[37].second = dpi300 ? "300dpi" : "203dpi";
    expectRows(page.rows(), table, kAdvancedPerModel, model);
    EXPECT_FALSE(page.rows().state(36).unitEnabled);
    EXPECT_FALSE(page.rows().state(37).unitEnabled);
}

INSTANTIATE_TEST_SUITE_P(AllModels, RowDefaults, ::testing::Range(0, 6));

} // namespace
} // namespace tessaline
