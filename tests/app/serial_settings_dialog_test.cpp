#include "app/serial_settings_dialog.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using List = SerialSettingsDialogModel::List;

TEST(SerialSettingsDialog, OpensOnTheNearestEntries) {
    struct Case {
        int32_t baud;
        uint8_t bits;
        StopBitsCode stop;
        ParityCode parity;
        std::string flow;
        std::array<int, 5> selected;
    };
    const Case cases[] = {
        {9600, 8, StopBitsCode::One, ParityCode::None, "X", {0, 1, 0, 0, 0}},
        {4800, 7, StopBitsCode::OneAndHalf, ParityCode::Odd, "H", {4, 0, 1, 1, 1}},
        {57600, 5, StopBitsCode::Two, ParityCode::Even, "Q", {3, 1, 1, 2, 2}},
    };
    for (const auto& c : cases) {
        InterfaceSettings s;
        s.baudRate = c.baud, s.dataBits = c.bits, s.stopBits = c.stop, s.parity = c.parity;
        s.flowControl = c.flow;
        const SerialSettingsDialogModel dialog(s, Region::English);
        for (int list = 0; list < SerialSettingsDialogModel::kListCount; ++list)
            EXPECT_EQ(dialog.selected(static_cast<List>(list)), c.selected[list]) << c.baud;
    }
}

TEST(SerialSettingsDialog, OkStoresTheChoicesCancelNothing) {
    InterfaceSettings s;
    s.baudRate = 4800;
    s.flowControl = "Q";
    {
        SerialSettingsDialogModel cancelled(s, Region::English);
        cancelled.select(List::BaudRate, 1); // the person changes it, then cancels
    }
    EXPECT_EQ(s.baudRate, 4800);
    SerialSettingsDialogModel dialog(s, Region::English);
    dialog.storeInto(s);
    EXPECT_EQ(s.baudRate, 115200);
    EXPECT_EQ(s.flowControl, "N");

    SerialSettingsDialogModel japanese(s, Region::Japanese);
    EXPECT_EQ(japanese.entries(List::FlowControl),
              (std::vector<std::string>{"Xon/Xoff", "ハードウェア", "なし"}));
    japanese.select(List::FlowControl, 1);
    japanese.select(List::Parity, 2);
    japanese.select(List::StopBits, 1);
    japanese.select(List::DataBits, 0);
    japanese.select(List::BaudRate, 9); // outside the list: kept
    japanese.storeInto(s);
    EXPECT_EQ(s.flowControl, "H");
    EXPECT_EQ(s.parity, ParityCode::Even);
    EXPECT_EQ(s.stopBits, StopBitsCode::Two);
    EXPECT_EQ(s.dataBits, 7);
    EXPECT_EQ(s.baudRate, 115200);
    EXPECT_EQ(japanese.title(), "COM設定");
    EXPECT_EQ(japanese.label(List::BaudRate), "ボーレート");
}

} // namespace
} // namespace tessaline
