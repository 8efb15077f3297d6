#include "session/print_commands.h"

namespace tessaline {

namespace {

struct PrintCommandEntry {
    TestPrint print;
    PrinterLanguage language;
    std::string_view bytes;
};
constexpr PrintCommandEntry kPrintCommands[] = {
    {TestPrint::SelfTest, PrinterLanguage::Zpl, "~WC\n"},
    {TestPrint::SelfTest, PrinterLanguage::Epl, "U\n"},
    {TestPrint::SelfTest, PrinterLanguage::Native, "\x02Z\r\n"},
    {TestPrint::Sample, PrinterLanguage::Zpl, "~!Q4\n"},
    {TestPrint::Sample, PrinterLanguage::Epl, "~!Q4\n"},
    {TestPrint::Sample, PrinterLanguage::Native, "\x02\x1bQ4\r\n"},
};

} // namespace

std::string_view PrintCommand(TestPrint print, PrinterLanguage language) {
    for (const auto& command : kPrintCommands) {
        if (command.print == print && command.language == language) return command.bytes;
    }
    return {};
}

} // namespace tessaline
