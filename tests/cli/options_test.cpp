#include "cli/interface_option.h"
#include "cli/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaline::cli {
namespace {

bool parse(std::vector<const char*> words, ParsedCommandLine& out, std::string& error) {
    words.insert(words.begin(), "tessaline-cli");
    return parseCommandLine(static_cast<int>(words.size()), words.data(), out, error);
}

TEST(CommandLine, OptionsStandBeforeTheCommand) {
    ParsedCommandLine out;
    std::string error;
    ASSERT_TRUE(
        parse({"--model", "3", "--advanced", "--json", "parse", "a.prn", "--x"}, out, error));
    EXPECT_EQ(out.options.model, "3");
    EXPECT_TRUE(out.options.advanced);
    EXPECT_TRUE(out.options.json);
    EXPECT_FALSE(out.options.yes);
    EXPECT_EQ(out.command, "parse");
    EXPECT_EQ(out.arguments, (std::vector<std::string>{"a.prn", "--x"}));
}

TEST(CommandLine, UsageErrors) {
    const std::vector<std::vector<const char*>> cases = {
        {}, {"--model"}, {"--bogus", "parse"}, {"--json"}};
    for (const auto& words : cases) {
        ParsedCommandLine out;
        std::string error;
        EXPECT_FALSE(parse(words, out, error)) << words.size();
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
} // namespace tessaline::cli

namespace tessaline::cli {
namespace {

TEST(CommandLine, InterfaceOptionsFillTheSettings) {
    struct Case {
        InterfaceChoice choice;
        std::string value;
        PortType type;
        std::string name;
        std::string number;
        int32_t baud;
        uint8_t dataBits;
        StopBitsCode stop;
        ParityCode parity;
        std::string flow;
    };
    const InterfaceSettings saved; // 9600 8 1 N X
    const Case cases[] = {
        {InterfaceChoice::Tcp, "printer.local:9101", PortType::Network, "printer.local", "9101",
         9600, 8, StopBitsCode::One, ParityCode::None, "X"},
        {InterfaceChoice::Tcp, "10.0.0.5", PortType::Network, "10.0.0.5", "", 9600, 8,
         StopBitsCode::One, ParityCode::None, "X"},
        {InterfaceChoice::Serial, "/dev/ttyUSB0,19200,7,2,e,h", PortType::Serial, "/dev/ttyUSB0",
         "", 19200, 7, StopBitsCode::Two, ParityCode::Even, "H"},
        {InterfaceChoice::Serial, "/dev/ttyS1,,,1.5", PortType::Serial, "/dev/ttyS1", "", 9600, 8,
         StopBitsCode::OneAndHalf, ParityCode::None, "X"},
        {InterfaceChoice::Usb, "USB_AUTO", PortType::Usb, "USB_AUTO", "", 9600, 8,
         StopBitsCode::One, ParityCode::None, "X"},
        {InterfaceChoice::Queue, "Office Label", PortType::Printer, "Office Label", "", 9600, 8,
         StopBitsCode::One, ParityCode::None, "X"},
    };
    for (const Case& c : cases) {
        InterfaceSettings s = saved;
        std::string error;
        ASSERT_TRUE(applyInterfaceOption(c.choice, c.value, s, error)) << c.value << error;
        EXPECT_EQ(s.portType, c.type) << c.value;
        EXPECT_EQ(s.portName, c.name) << c.value;
        EXPECT_EQ(s.portNumber, c.number) << c.value;
        EXPECT_EQ(s.baudRate, c.baud) << c.value;
        EXPECT_EQ(s.dataBits, c.dataBits) << c.value;
        EXPECT_EQ(s.stopBits, c.stop) << c.value;
        EXPECT_EQ(s.parity, c.parity) << c.value;
        EXPECT_EQ(s.flowControl, c.flow) << c.value;
    }
    ParsedCommandLine out;
    std::string error;
    ASSERT_TRUE(parse({"--tcp", "h:1", "--yes", "send", "f"}, out, error));
    EXPECT_EQ(out.options.interface, InterfaceChoice::Tcp);
    EXPECT_EQ(out.options.interfaceValue, "h:1");
}

} // namespace
} // namespace tessaline::cli
