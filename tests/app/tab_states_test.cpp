#include "app/tab_states.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(TabStates, PrintTestAndInformationDisableTheConfigurationCommands) {
    const auto& print = ButtonStatesForTab(TabIndex::PrintTest);
    EXPECT_EQ(print.sendCaption, SendCaption::Execute);
    EXPECT_TRUE(print.send);
    EXPECT_FALSE(print.importFile || print.exportFile || print.receive || print.restoreDefaults ||
                 print.checkAllBox || print.selfInfo);
    const auto& info = ButtonStatesForTab(TabIndex::Information);
    EXPECT_FALSE(info.send);
    EXPECT_TRUE(info.receive);
    EXPECT_EQ(info.receiveScope, ReceiveScope::Information);
    EXPECT_EQ(ButtonStatesForTab(TabIndex::SensorAdjustment).sendCaption,
              SendCaption::StartAdjustment);
    EXPECT_EQ(ButtonStatesForTab(TabIndex::Advanced).receiveScope, ReceiveScope::Advanced);
    // Self Info only from the Standard tab.
    for (int t = 0; t < kTabCount; ++t)
        EXPECT_EQ(ButtonStatesForTab(static_cast<TabIndex>(t)).selfInfo, t == 1) << t;
}

TEST(UsbNotification, TakesTheFifthPartOfAWellFormedString) {
    struct Case {
        std::string text;
        std::optional<std::string> port;
    };
    const Case cases[] = {
        {"\\\\?\\usb#vid_1234&pid_0001#5&abc#{28d78fad}#USB001", "USB001"},
        {"/dev/usb/lp0#vid_1234&pid_0001#serial#class#USB001", "USB001"},
        {"a#vid_1234&pid_0001#x#USB001", std::nullopt},
        {"a#vid_1234#x#y#USB001", std::nullopt},
        {"a#v&p&q#x#y#USB001", std::nullopt},
        {"a#v&p#x#y#z#USB001", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseUsbNotification(c.text), c.port) << c.text;
}

} // namespace
} // namespace tessaline
