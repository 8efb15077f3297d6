#include "page_fixture.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

namespace sr = standard_row;
using test::RowPages;

std::vector<std::string> speeds(int from, int to) {
    std::vector<std::string> out;
    for (int ips = from; ips <= to; ++ips)
        out.push_back(std::to_string(ips) + " IPS");
    return out;
}

TEST(StandardPrintSpeed, ListFollowsFamilyAndPreference) {
    struct Case {
        int model;
        int preference; // 0 Darkness, 1 Speed
        int last;
    };
    for (Case c : {Case{0, 0, 10}, {1, 1, 12}, {2, 0, 10}, {3, 0, 8}, {4, 1, 10}, {5, 1, 10}}) {
        RowPages p;
        p.modelChange(c.model, Region::English);
        EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "7 IPS");
        p.standard.selectValue(sr::kPrintPreference, c.preference);
        EXPECT_EQ(p.standard.rows().state(sr::kPrintSpeed).items, speeds(2, c.last)) << c.model;
        EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "7 IPS");
    }
}

TEST(StandardPrintSpeed, ChangingThePreferenceClampsToTheLastSpeed) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.standard.selectValue(sr::kPrintPreference, 1);
    p.standard.selectValue(sr::kPrintSpeed, 10); // 12 IPS
    p.standard.selectValue(sr::kPrintPreference, 0);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "10 IPS");
}

TEST(StandardPrintSpeed, LoadingOnlyTheSpeedKeepsThePreferenceList) {
    RowPages p;
    p.modelChange(3, Region::English); // RV-943, "Darkness": up to 8 IPS
    ASSERT_TRUE(p.receive("PRINT SPEED\t:\t6 IPS\r\nEND\r\n"));
    EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "6 IPS");
    ASSERT_TRUE(p.receive("PRINT SPEED\t:\t10 IPS\r\nEND\r\n"));
    EXPECT_EQ(p.standard.rows().state(sr::kPrintSpeed).items.size(), 7u);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "8 IPS");
    // With the preference in the same text, the list is the "Speed" list.
    ASSERT_TRUE(p.receive("PRINT SPEED\t:\t10 IPS\r\nPRINT PREFERENCE\t:\tSPEED\r\nEND\r\n"));
    EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintSpeed), "10 IPS");
    EXPECT_EQ(p.standard.rows().shownValue(sr::kPrintPreference), "Speed");
}

TEST(StandardUnits, ChoosingAUnitReplacesTheLengthByItsFixedText) {
    struct Case {
        int row;
        const char* inch;
        const char* mm;
    };
    const Case cases[] = {{6, "4.00", "101.6"},   {7, "0.00", "0.0"},   {8, "0.00", "0.0"},
                          {9, "0.00", "0.0"},     {15, "1.00", "25.4"}, {18, "1.38", "35.0"},
                          {25, "10.00", "254.0"}, {45, "0.00", "0.0"},  {101, "0.66", "16.8"},
                          {102, "0.66", "16.8"},  {104, "0.12", "3.0"}, {105, "1.85", "47.0"},
                          {106, "0.98", "25.0"},  {107, "0.04", "1.0"}};
    RowPages p;
    p.modelChange(0, Region::Chinese);
    for (const Case& c : cases) {
        p.standard.typeEditText(c.row, "9.99");
        p.standard.selectUnit(c.row, 1);
        EXPECT_EQ(p.standard.rows().state(c.row).editText, c.mm) << c.row;
        p.standard.selectUnit(c.row, 0);
        EXPECT_EQ(p.standard.rows().state(c.row).editText, c.inch) << c.row;
    }
}

TEST(StandardMediaSensor, SetsTheLevelsButLeavesTheirBoxes) {
    struct Case {
        int sensor;
        const char* level;
        const char* paperEnd;
    };
    RowPages p;
    p.modelChange(4, Region::English);
    for (Case c : {Case{1, "1.5", "1.50"}, {2, "1.5", "1.20"}, {0, "1.7", "2.80"}}) {
        p.standard.selectValue(sr::kMediaSensor, c.sensor);
        EXPECT_EQ(p.standard.rows().state(sr::kSensorLevel).editText, c.level);
        EXPECT_EQ(p.standard.rows().state(sr::kPaperEndLevel).editText, c.paperEnd);
    }
    p.standard.rows().setChecked(sr::kMediaSensor, true);
    ASSERT_TRUE(p.send());
    EXPECT_EQ(p.records.configText.find("SENSOR LEVEL"), std::string::npos);
    EXPECT_NE(p.records.configText.find("MEDIA SENSOR\t:\tSEE THROUGH\r\n"), std::string::npos);
}

TEST(StandardCollect, JapaneseItemsAreSentAsEnglishWords) {
    RowPages p;
    p.modelChange(0, Region::Japanese);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kMediaSensor), "透過");
    p.standard.selectValue(sr::kFunctionSelect, 4);
    EXPECT_EQ(p.standard.rows().shownValue(sr::kFunctionSelect), "巻き取り");
    for (int row : {sr::kMediaSensor, sr::kFunctionSelect, sr::kContinuousMediaLength})
        p.standard.rows().setChecked(row, true);
    ASSERT_TRUE(p.send());
    EXPECT_EQ(p.slot(sr::kMediaSensor).valueText, "SEE THROUGH");
    EXPECT_EQ(p.slot(sr::kFunctionSelect).valueText, "REWIND");
    EXPECT_EQ(p.slot(sr::kContinuousMediaLength).unitText, "INCH");
}

TEST(StandardCollect, ChineseUnitWordIsSentInEnglish) {
    RowPages p;
    p.modelChange(0, Region::Chinese);
    EXPECT_EQ(p.standard.rows().shownUnit(sr::kVerticalPosition), "英寸");
    p.standard.rows().setChecked(sr::kVerticalPosition, true);
    ASSERT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("VERTICAL POSITION\t:\t0.00\tINCH\r\n"), std::string::npos);
}

TEST(StandardCollect, DisabledRowsAreNeverCollected) {
    constexpr int kControlCode = 32;
    RowPages p;
    p.modelChange(1, Region::English); // RV-940Z
    p.standard.checkAll(true);
    EXPECT_TRUE(p.standard.rows().state(kControlCode).checked);
    EXPECT_FALSE(p.standard.rows().state(kControlCode).enabled);
    ASSERT_TRUE(p.send());
    EXPECT_EQ(p.slot(kControlCode).selected, 0);
    EXPECT_EQ(p.records.configText.find("CONTROL CODE"), std::string::npos);
}

TEST(StandardCollect, NothingCheckedCollectsNothing) {
    RowPages p;
    p.modelChange(0, Region::English);
    EXPECT_FALSE(p.standard.collect());
    p.standard.rows().setChecked(sr::kConfigSet, true);
    EXPECT_TRUE(p.standard.collect());
}

TEST(StandardCollect, CompatibleModeIsSentAsOnOffOrType2) {
    const char* sent[] = {"ON", "TYPE2", "OFF"};
    for (int index = 0; index < 3; ++index) {
        RowPages p;
        p.modelChange(0, Region::Korean);
        p.standard.selectValue(sr::kCompatibleMode, index);
        p.standard.rows().setChecked(sr::kCompatibleMode, true);
        ASSERT_TRUE(p.send());
        EXPECT_EQ(p.slot(sr::kCompatibleMode).valueText, sent[index]);
        // and it comes back as the list position it was sent from
        p.modelChange(0, Region::Korean);
        ASSERT_TRUE(p.receive(p.records.configText));
        EXPECT_TRUE(p.standard.rows().state(sr::kCompatibleMode).checked);
        EXPECT_EQ(p.standard.rows().state(sr::kCompatibleMode).valueIndex, index);
    }
}

TEST(StandardAddress, Ipv4IsSentWithCommasAndLoadedFromDots) {
    constexpr int kIpv4Address = 52;
    RowPages p;
    p.modelChange(0, Region::English);
    p.standard.rows().setAddress(kIpv4Address, {192, 168, 0, 10});
    p.standard.rows().setChecked(kIpv4Address, true);
    ASSERT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("IPV4 ADDRESS\t:\t192,168,0,10\r\n"), std::string::npos);
    p.modelChange(0, Region::English);
    ASSERT_TRUE(p.receive("IPV4 ADDRESS\t:\t10,1,2,254\r\nEND\r\n"));
    EXPECT_EQ(p.standard.rows().state(kIpv4Address).address, (std::array<int, 4>{10, 1, 2, 254}));
}

TEST(StandardIpv6, ConvertsBothWays) {
    struct Case {
        const char* typed;
        const char* slot;  // after collect; nullptr: rejected
        const char* shown; // after the send
    };
    const Case cases[] = {
        {"fe80:0000:0000:0000:0202:b3ff:fe1e:8329", "254,128,0,0,0,0,0,0,2,2,179,255,254,30,131,41",
         "fe80:0000:0000:0000:0202:b3ff:fe1e:8329"},
        {"FE80:0:0:0:202:B3FF:FE1E:8329", "254,128,0,0,0,0,0,0,2,2,179,255,254,30,131,41",
         "fe80:0000:0000:0000:0202:b3ff:fe1e:8329"},
        {"fe80::1", "254,128,0,0,0,0,0,0,0,0,0,0,0,0,0,1",
         "fe80:0000:0000:0000:0000:0000:0000:0001"},
        {"::", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "0000:0000:0000:0000:0000:0000:0000:0000"},
        {"fe80:0000", nullptr, nullptr},
        {"fe80:::1", nullptr, nullptr},
        {"1:2:3:4:5:6:7:8:9", nullptr, nullptr},
        {"fe80:00000:0:0:0:0:0:1", nullptr, nullptr},
        {"g000:0:0:0:0:0:0:1", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        RowPages p;
        p.modelChange(0, Region::English);
        p.standard.typeEditText(sr::kIpv6Gateway, c.typed);
        p.standard.rows().setChecked(sr::kIpv6Gateway, true);
        const bool sent = p.send();
        EXPECT_EQ(sent, c.slot != nullptr);
        if (c.slot == nullptr) {
            EXPECT_TRUE(p.standard.rows().red(sr::kIpv6Gateway));
            continue;
        }
        EXPECT_NE(p.records.configText.find(std::string("IPV6 GATEWAY\t:\t") + c.slot + "\r\n"),
                  std::string::npos);
        p.standard.showWrittenValues();
        EXPECT_EQ(p.standard.rows().state(sr::kIpv6Gateway).editText, c.shown);
    }
}

TEST(StandardEdits, LengthLimitCountsUtf16UnitsAndCommasAreFiltered) {
    constexpr int kHostName = 56; // at most 31
    RowPages p;
    p.modelChange(0, Region::English);
    p.standard.typeEditText(kHostName, std::string(40, 'a'));
    EXPECT_EQ(p.standard.rows().state(kHostName).editText.size(), 31u);
    std::string japanese;
    for (int k = 0; k < 40; ++k)
        japanese += "あ"; // one unit, three bytes each
    p.standard.typeEditText(kHostName, japanese);
    EXPECT_EQ(p.standard.rows().state(kHostName).editText.size(), 31u * 3);
    std::string wide;
    for (int k = 0; k < 20; ++k)
        wide += "\xF0\x9F\x98\x80"; // two units each
    p.standard.typeEditText(kHostName, wide);
    EXPECT_EQ(p.standard.rows().state(kHostName).editText.size(), 15u * 4);

    p.standard.typeEditText(sr::kPinCode, "12,34,56");
    EXPECT_EQ(p.standard.rows().state(sr::kPinCode).editText, "123456");
    p.standard.typeEditText(sr::kDeviceName, "a,b");
    EXPECT_EQ(p.standard.rows().state(sr::kDeviceName).editText, "ab");
    p.standard.typeEditText(kHostName, "a,b");
    EXPECT_EQ(p.standard.rows().state(kHostName).editText, "a,b");
}

TEST(StandardLoad, ShowsEachRowOfAReceivedTextInEveryLanguage) {
    const std::string text = "MEDIA SENSOR\t:\tREFLECT\r\n"
                             "CONTINUOUS MEDIA LENGTH\t:\t100\tMM\r\n"
                             "PRINT DARKNESS\t:\t25\r\n"
                             "FUNCTION SELECT\t:\tPEEL ON\r\n"
                             "RS-232C BAUD\t:\t19200\r\n"
                             "HOST NAME\t:\tLABELS1\r\n"
                             "IPV6 ADDRESS\t:\t254,128,0,0,0,0,0,0,2,2,179,255,254,30,131,41\r\n"
                             "END\r\n";
    struct Shown {
        Region region;
        const char* mediaSensor;
        const char* unit;
        const char* function;
    };
    for (Shown s : {Shown{Region::English, "REFLECT", "MM", "PEEL ON"},
                    {Region::Japanese, "反射", "MM", "剥離"},
                    {Region::Chinese, "反射", "MM", "剥离"},
                    {Region::Korean, "반사", "MM", "벗겨내기"}}) {
        SCOPED_TRACE(static_cast<int>(s.region));
        RowPages p;
        p.modelChange(2, s.region); // RV-940E: darkness 0..15, so 25 is wrong
        EXPECT_FALSE(p.receive(text));
        const RowPage& rows = p.standard.rows();
        EXPECT_EQ(rows.shownValue(sr::kMediaSensor), s.mediaSensor);
        EXPECT_EQ(rows.state(sr::kContinuousMediaLength).editText, "100.0");
        EXPECT_EQ(rows.shownUnit(sr::kContinuousMediaLength), s.unit);
        EXPECT_EQ(rows.shownValue(sr::kFunctionSelect), s.function);
        EXPECT_EQ(rows.shownValue(66), "19200");
        EXPECT_EQ(rows.state(56).editText, "LABELS1");
        EXPECT_EQ(rows.state(sr::kIpv6Address).editText, "fe80:0000:0000:0000:0202:b3ff:fe1e:8329");
        // The wrong darkness is red, its edit emptied; the other rows are not red.
        EXPECT_TRUE(rows.red(sr::kPrintDarkness));
        EXPECT_TRUE(rows.state(sr::kPrintDarkness).checked);
        EXPECT_EQ(rows.state(sr::kPrintDarkness).editText, "");
        EXPECT_FALSE(rows.red(sr::kMediaSensor));
        // Rows not in the text keep their state: unchecked defaults.
        EXPECT_FALSE(rows.state(sr::kConfigSet).checked);
        EXPECT_EQ(rows.state(sr::kConfigSet).valueIndex, 0);
        EXPECT_TRUE(rows.state(sr::kMediaSensor).checked);
    }
}

// A red row clears as soon as the person gives it a value; the page's own selections leave it.
TEST(StandardLoad, ARedRowClearsWhenThePersonGivesItAValue) {
    RowPages p;
    p.modelChange(2, Region::English); // darkness 0..15
    EXPECT_FALSE(p.receive("PRINT DARKNESS\t:\t25\r\nMEDIA SENSOR\t:\tBAD\r\nEND\r\n"));
    RowPage& rows = p.standard.rows();
    ASSERT_TRUE(rows.red(sr::kPrintDarkness));
    ASSERT_TRUE(rows.red(sr::kMediaSensor));
    p.standard.typeEditText(sr::kPrintDarkness, "");
    rows.valueEdited(sr::kPrintDarkness);
    EXPECT_TRUE(rows.red(sr::kPrintDarkness)); // no value yet
    p.standard.typeEditText(sr::kPrintDarkness, "12");
    EXPECT_TRUE(rows.red(sr::kPrintDarkness)); // until the person's edit is reported
    rows.valueEdited(sr::kPrintDarkness);
    EXPECT_FALSE(rows.red(sr::kPrintDarkness));
    EXPECT_TRUE(rows.red(sr::kMediaSensor));
    p.standard.selectValue(sr::kMediaSensor, 1);
    rows.valueEdited(sr::kMediaSensor);
    EXPECT_FALSE(rows.red(sr::kMediaSensor));
    EXPECT_TRUE(p.send());
    EXPECT_NE(p.records.configText.find("PRINT DARKNESS\t:\t12\r\n"), std::string::npos);
}

TEST(StandardTransfer, OutAndInCarryTheSharedRows) {
    RowPages p;
    p.modelChange(0, Region::English);
    PageTransfer none = p.standard.transferOut();
    EXPECT_EQ(none.configSetPresent + none.mediaPresent + none.printMethodPresent +
                  none.postPrintPresent + none.startOffsetPresent + none.stopOffsetPresent,
              0);

    PageTransfer in;
    in.mediaPresent = 1;
    in.mediaKind = 2;
    in.paperLengthText = "6.00";
    in.paperLengthUnitIndex = 0;
    in.stopOffsetPresent = 1;
    in.stopOffsetText = "2.0";
    in.stopOffsetUnitIndex = 1;
    p.standard.transferIn(in);
    const RowPage& rows = p.standard.rows();
    EXPECT_TRUE(rows.state(sr::kMediaSensor).checked);
    EXPECT_EQ(rows.shownValue(sr::kMediaSensor), "NONE");
    EXPECT_TRUE(rows.state(sr::kContinuousMediaLength).checked);
    EXPECT_EQ(rows.state(sr::kContinuousMediaLength).editText, "6.00");
    EXPECT_EQ(rows.state(sr::kSensorLevel).editText, "1.5");
    EXPECT_EQ(rows.state(sr::kPaperEndLevel).editText, "1.20");
    EXPECT_FALSE(rows.state(sr::kSensorLevel).checked);
    EXPECT_TRUE(rows.state(sr::kPaperPosition).checked);
    EXPECT_EQ(rows.shownUnit(sr::kPaperPosition), "MM");
    EXPECT_FALSE(rows.state(sr::kPrintMethod).checked);

    const PageTransfer out = p.standard.transferOut();
    EXPECT_EQ(out.mediaPresent, 1);
    EXPECT_EQ(out.mediaKind, 2);
    EXPECT_EQ(out.paperLengthText, "6.00");
    EXPECT_EQ(out.stopOffsetPresent, 1);
    EXPECT_EQ(out.stopOffsetText, "2.0");
    EXPECT_EQ(out.stopOffsetUnitIndex, 1);
    EXPECT_EQ(out.printMethodPresent, 0);

    // Labels with gaps: the paper length travels but the Standard page leaves its row alone.
    RowPages q;
    q.modelChange(0, Region::English);
    in.mediaKind = 0;
    q.standard.transferIn(in);
    EXPECT_FALSE(q.standard.rows().state(sr::kContinuousMediaLength).checked);
    EXPECT_EQ(q.standard.rows().state(sr::kContinuousMediaLength).editText, "4.00");
}

TEST(StandardModelChange, ResetsValuesAndBoxes) {
    RowPages p;
    p.modelChange(0, Region::English);
    p.standard.checkAll(true);
    p.standard.typeEditText(sr::kPrintDarkness, "20");
    p.standard.selectValue(sr::kMediaSensor, 2);
    p.modelChange(5, Region::English);
    EXPECT_FALSE(p.standard.rows().state(sr::kMediaSensor).checked);
    EXPECT_EQ(p.standard.rows().state(sr::kPrintDarkness).editText, "7");
    EXPECT_EQ(p.standard.rows().shownValue(sr::kMediaSensor), "SEE THROUGH");
    EXPECT_EQ(p.standard.rows().state(sr::kPrintDarkness).spinMax, 15);
}

TEST(StandardLanguage, CaptionsAndListsFollowTheLanguage) {
    RowPages p;
    p.modelChange(0, Region::English);
    EXPECT_EQ(p.standard.groupCaption(0), "Global Config");
    EXPECT_EQ(p.standard.groupCaption(5), "Option Interface");
    EXPECT_EQ(p.standard.rfidResultCaption(2), "RFID Calib Power :");
    EXPECT_EQ(p.standard.rows().label(sr::kMediaSensor), "Media Sensor");
    p.modelChange(0, Region::Japanese);
    EXPECT_EQ(p.standard.rows().label(sr::kMediaSensor), "用紙センサー");
    EXPECT_NE(p.standard.groupCaption(0), "Global Config");
    // The language's own list, then the model's defaults selected again.
    EXPECT_EQ(p.standard.rows().state(sr::kMediaSensor).items,
              (std::vector<std::string>{"透過", "反射", "なし"}));
    EXPECT_EQ(p.standard.rows().state(sr::kPrintSpeed).items.size(), 9u);
    p.standard.applyLanguage(Region::Korean);
    EXPECT_EQ(p.standard.rows().state(sr::kPrintSpeed).items.size(), 11u);
    EXPECT_EQ(p.standard.rows().state(sr::kMediaSensor).valueIndex, -1);
}

TEST(StandardExit, CheckAllHiddenCollectsEveryAvailableRow) {
    RowPages p;
    p.modelChange(3, Region::English);
    p.standard.checkAllHidden();
    int available = 0;
    for (int i = 0; i < p.standard.rows().size(); ++i) {
        EXPECT_TRUE(p.standard.rows().state(i).checkHidden);
        available += p.standard.rows().state(i).enabled ? 1 : 0;
    }
    ClearConfiguration(p.records);
    ASSERT_TRUE(p.standard.collect());
    int selected = 0;
    for (int i = 0; i < p.standard.rows().size(); ++i)
        selected += p.standard.rows().slot(i)->selected == 1 ? 1 : 0;
    EXPECT_EQ(selected, available);
}

} // namespace
} // namespace tessaline
