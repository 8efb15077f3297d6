// What a failed exchange says, as data: the phrase, its values and the interface, for each way a
// printer on loopback TCP can fail; and the words in two languages.
#include "session/printer_session.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

namespace tessaline::session_test {
namespace {

TEST(ErrorDetails, EachCauseOverTcpCarriesItsPhraseAndValues) {
    struct Case {
        std::vector<std::string> switches;
        int code;
        DetailPhrase phrase;
        std::string valueName; // a value the detail must carry
        std::string chinese;   // what the Chinese words hold after the interface
    };
    const Case cases[] = {
        {{"--silent"}, code::kReceptionError, DetailPhrase::NoAnswer, "seconds", "秒内没有应答"},
        {{"--close-mid-reply"},
         code::kReceptionError,
         DetailPhrase::ClosedAfter,
         "bytes",
         "打印机在 "},
        {{"--garbage"},
         code::kReceptionError,
         DetailPhrase::UnexpectedStart,
         "shown",
         "应答以意外的字节开头: abcdefghijklmnop"},
        {{"--oversize"},
         code::kReplyError,
         DetailPhrase::FilledBuffer,
         "bytes",
         "应答填满了 4096 字节的缓冲区"},
    };
    for (const Case& c : cases) {
        RecordedPrinter printer(c.switches);
        ASSERT_TRUE(printer.running());
        PrinterSession session(fastSetup());
        session.select(printer.selection());
        const auto received = session.receiveConfiguration(RequestKind::AllConfig, true);
        ASSERT_FALSE(received) << c.switches[0];
        const ErrorDetail& detail = received.error().detail;
        EXPECT_EQ(received.messageCode(), c.code) << c.switches[0];
        EXPECT_EQ(detail.phrase(), c.phrase) << c.switches[0];
        EXPECT_TRUE(detail.has(c.valueName)) << c.switches[0];
        const std::string where = session.interfaceText() + ": ";
        const std::string words = RenderDetail(detail, Region::Chinese);
        EXPECT_TRUE(words.starts_with(where)) << words;
        EXPECT_NE(words.find(c.chinese), std::string::npos) << words;
        EXPECT_TRUE(RenderDetail(detail, Region::English).starts_with(where)) << c.switches[0];
    }
}

// A printer that hangs up mid-reply is said with the bytes it sent before.
TEST(ErrorDetails, AHangUpSaysHowManyBytesCame) {
    RecordedPrinter printer({"--close-mid-reply"});
    ASSERT_TRUE(printer.running());
    PrinterSession session(fastSetup());
    session.select(printer.selection());
    const auto received = session.receiveConfiguration(RequestKind::AllConfig, true);
    ASSERT_FALSE(received);
    const ErrorDetail::Argument* bytes = received.error().detail.find("bytes");
    ASSERT_NE(bytes, nullptr);
    EXPECT_GT(std::stoi(bytes->text), 0);
}

} // namespace
} // namespace tessaline::session_test
