#include "pages/information_page.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaline {
namespace {

using S = StatusText;

struct FlagCase {
    const char* name;
    std::string reply;
    const char* paper;
    const char* ribbon;
    const char* printing;
    const char* pause;
    const char* waiting;
};

std::string at(std::size_t offset, const std::string& bytes) {
    return std::string(offset, 'x') + bytes;
}

TEST(InformationStatus, FlagReplies) {
    const FlagCase cases[] = {
        {"printing", "NNNYNNNN\r", "No", "No", "Yes", "No", "No"},
        {"paper and pause", "NYNNNYNN\r", "Yes", "No", "No", "Yes", "No"},
        {"short reply", "NNNNX", "No", "No", "?", "?", "?"},
        {"after leading bytes", at(119, "NNYNNNNNN"), "No", "Yes", "No", "No", "No"},
        {"second printing flag", "YNNNYNNNN", "No", "No", "Yes", "No", "No"},
        // The reply ends at its first zero byte: the flags after it are not read.
        {"zero byte after three flags", std::string("NNN\0YYYYY\r", 10), "No", "No", "?", "?", "?"},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationRecordSet records;
        InformationPage page(records);
        ASSERT_TRUE(page.readStatus(EmulationKind::Native, c.reply, Region::English));
        EXPECT_EQ(page.status(S::PaperError), c.paper);
        EXPECT_EQ(page.status(S::RibbonError), c.ribbon);
        EXPECT_EQ(page.status(S::Printing), c.printing);
        EXPECT_EQ(page.status(S::Pause), c.pause);
        EXPECT_EQ(page.status(S::WaitingForPeeling), c.waiting);
    }
}

TEST(InformationStatus, FlagRepliesThatCannotBeAnchoredChangeNothing) {
    for (const std::string& reply :
         {at(120, "NNNNNNNNN"), std::string("xyz"), std::string(), at(200, "YYYYYYYYY"),
          std::string("\0NNNNNNNNN\r", 11), std::string("xy\0YYYYYYYYY", 12)}) {
        SCOPED_TRACE(testing::PrintToString(reply));
        ConfigurationRecordSet records;
        InformationPage page(records);
        ASSERT_TRUE(page.readStatus(EmulationKind::Native, reply, Region::English));
        for (int k = 0; k < kStatusTextCount; ++k)
            EXPECT_EQ(page.status(static_cast<S>(k)), "");
    }
}

TEST(InformationStatus, ColoursOfTheFlags) {
    ConfigurationRecordSet records;
    InformationPage page(records);
    page.readStatus(EmulationKind::Native, "NYNNNYNN\r", Region::English);
    EXPECT_EQ(page.colour(S::PaperError), TextColour::Red);
    EXPECT_EQ(page.colour(S::Pause), TextColour::Red);
    EXPECT_EQ(page.colour(S::RibbonError), TextColour::Blue);
    page.readStatus(EmulationKind::Native, "NNNNX", Region::English);
    EXPECT_EQ(page.colour(S::Printing), TextColour::Blue); // "?"
    page.reset();
    EXPECT_EQ(page.colour(S::WaitingForPeeling), TextColour::Blue); // empty
}

// A host status reply: two strings, each beginning with STX.
std::string hostStatus(bool commaAt13, const char* formats, char bufferFull, const char* remaining,
                       char headUp = '0', char ribbon = '0', char waiting = '0') {
    std::string s1 = "\x02"
                     "030,1,0,";         // positions 0..8: paper at 5, pause at 7
    s1 += commaAt13 ? "1234," : "12345"; // 9..13
    if (!commaAt13) s1 += ",";           // 14
    s1 += formats;                       // three digits
    s1 += ",";
    s1 += bufferFull; // the flag after the formats
    s1 += ",000,0,0,0\x03\r\n";
    std::string s2 = "\x02"
                     "001,0,"; // 0..6
    s2 += headUp;              // 7
    s2 += ",";
    s2 += ribbon;      // 9
    s2 += ",0,0,0,0,"; // 10..17 (waiting at 17)
    s2[17] = waiting;
    s2 += remaining; // 19..26: labels remaining
    s2 += ",0,1234,0\x03\r\n";
    return s1 + s2;
}

TEST(InformationStatus, HostStatusReplies) {
    struct Case {
        const char* name;
        std::string reply;
        const char* printing;
        const char* paper;
        const char* ribbon;
        const char* waiting;
    };
    const Case cases[] = {
        {"idle", hostStatus(true, "000", '0', "00000000"), "No", "Yes", "No", "No"},
        {"two formats", hostStatus(true, "002", '0', "00000000"), "Yes", "Yes", "No", "No"},
        {"five-digit length", hostStatus(false, "000", '0', "00000000"), "No", "Yes", "No", "No"},
        {"five-digit length, formats", hostStatus(false, "010", '0', "00000000"), "Yes", "Yes",
         "No", "No"},
        {"buffer full", hostStatus(true, "000", '1', "00000000"), "Yes", "Yes", "No", "No"},
        {"labels remaining", hostStatus(true, "000", '0', "00000003"), "Yes", "Yes", "No", "No"},
        {"ribbon, waiting", hostStatus(true, "000", '0', "00000000", '0', '1', '1'), "No", "Yes",
         "Yes", "Yes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationRecordSet records;
        InformationPage page(records);
        ASSERT_TRUE(page.readStatus(EmulationKind::Zebra, c.reply, Region::English));
        EXPECT_EQ(page.status(S::Printing), c.printing);
        EXPECT_EQ(page.status(S::PaperError), c.paper); // s1[5] is "1" in the fixture
        EXPECT_EQ(page.status(S::RibbonError), c.ribbon);
        EXPECT_EQ(page.status(S::WaitingForPeeling), c.waiting);
        EXPECT_EQ(page.status(S::Pause), "No");
    }
}

TEST(InformationStatus, HostStatusNeedsTwoStrings) {
    ConfigurationRecordSet records;
    InformationPage page(records);
    std::string one = hostStatus(true, "002", '0', "00000000");
    one = one.substr(0, one.find('\x02', 1));
    ASSERT_TRUE(page.readStatus(EmulationKind::Zebra, one, Region::English));
    EXPECT_EQ(page.status(S::Printing), "");
    // The second string beyond the 256-byte window does not count.
    const std::string far = hostStatus(true, "002", '0', "00000000");
    const std::size_t second = far.find('\x02', 1);
    const std::string padded = far.substr(0, second) + std::string(300, 'x') + far.substr(second);
    ASSERT_TRUE(page.readStatus(EmulationKind::Zebra, padded, Region::English));
    EXPECT_EQ(page.status(S::Printing), "");
    // A zero byte ends the reply, so a second string after it does not count.
    std::string cut = hostStatus(true, "002", '0', "00000000");
    cut.insert(cut.find('\x02', 1), 1, '\0');
    ASSERT_TRUE(page.readStatus(EmulationKind::Zebra, cut, Region::English));
    EXPECT_EQ(page.status(S::Printing), "");
    // A string cut short reads zero bytes, which are not "0": printing.
    ASSERT_TRUE(page.readStatus(EmulationKind::Zebra, std::string("\x02\x02", 2), Region::English));
    EXPECT_EQ(page.status(S::Printing), "Yes");
}

TEST(InformationStatus, EplErrorCodes) {
    struct Case {
        std::string reply;
        Region region;
        const char* code;
        const char* message;
        TextColour colour;
    };
    const Case cases[] = {
        {"07\r\n", Region::English, "07", "Paper end / Ribbon end", TextColour::Red},
        {"07\r\n", Region::Japanese, "07", "用紙切れ／リボン切れ", TextColour::Red},
        {"07\r\n", Region::Korean, "07", "Paper end / Ribbon end", TextColour::Red},
        {"00\r\n", Region::English, "00", "No error", TextColour::Blue},
        {"00\r\n", Region::Japanese, "00", "エラーなし", TextColour::Blue},
        {"51\r\n", Region::English, "51", "Other error", TextColour::Red},
        {"11\r\n", Region::English, "11", "Head up", TextColour::Red},
        {"12\r\n", Region::Japanese, "12", "ポーズ中／剥離待ち中", TextColour::Red},
        {"17\r\n", Region::English, "17", "Printer is busy", TextColour::Red},
        {"1107\r\n", Region::English, "11", "Paper end / Ribbon end", TextColour::Red},
        {"1100\r\n", Region::English, "11", "No error", TextColour::Red},
        {"42\r\n", Region::English, "42", "Other error", TextColour::Red},
        {"42\r\n", Region::Japanese, "42", "その他のエラー", TextColour::Red},
        {"7", Region::English, "7", "Other error", TextColour::Red},
        // Nothing after the first zero byte is searched for a code.
        {"07" + std::string(1, '\0') + "00\r\n", Region::English, "07", "Paper end / Ribbon end",
         TextColour::Red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        ConfigurationRecordSet records;
        InformationPage page(records);
        ASSERT_TRUE(page.readStatus(EmulationKind::Eltron, c.reply, c.region));
        EXPECT_EQ(page.status(S::ErrorCode), c.code);
        EXPECT_EQ(page.status(S::ErrorMessage), c.message);
        EXPECT_EQ(page.colour(S::ErrorCode), c.colour);
        EXPECT_EQ(page.colour(S::ErrorMessage), c.colour);
    }
    ConfigurationRecordSet records;
    InformationPage page(records);
    ASSERT_TRUE(page.readStatus(EmulationKind::Eltron, "", Region::English));
    EXPECT_EQ(page.status(S::ErrorCode), "");
    // A reply that begins with a zero byte is empty: no text changes.
    ASSERT_TRUE(
        page.readStatus(EmulationKind::Eltron, std::string(1, '\0') + "07", Region::English));
    EXPECT_EQ(page.status(S::ErrorCode), "");
    EXPECT_EQ(page.status(S::ErrorMessage), "");
    EXPECT_FALSE(page.readStatus(static_cast<EmulationKind>(3), "00\r\n", Region::English));
}

TEST(InformationPage, CountersResetAndStatusGroups) {
    ConfigurationRecordSet records;
    InformationPage page(records);
    const char* values[] = {"A1234", "1024.5 m", "12.0 m", "17"};
    for (int k = 0; k < 4; ++k)
        records.record(kCounterSerialRecord + k).valueText = values[k];
    page.showCounters();
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(page.counter(k), values[k]);
    page.setStatusOnly(true);
    page.readStatus(EmulationKind::Eltron, "07\r\n", Region::English);
    page.clearForReceive();
    EXPECT_TRUE(page.statusOnly());
    EXPECT_EQ(page.counter(0), "");
    EXPECT_EQ(records.record(kCounterSerialRecord).valueText, "");
    EXPECT_EQ(page.status(S::ErrorCode), "");
    page.reset();
    EXPECT_FALSE(page.statusOnly());

    for (EmulationKind kind :
         {EmulationKind::Native, EmulationKind::Zebra, EmulationKind::Eltron}) {
        page.enableStatusGroup(kind);
        EXPECT_EQ(page.eplStatusGroupEnabled(), kind == EmulationKind::Eltron);
        EXPECT_EQ(page.printerStatusGroupEnabled(), kind != EmulationKind::Eltron);
    }
}

TEST(InformationPage, CaptionsFollowTheLanguage) {
    ConfigurationRecordSet records;
    InformationPage page(records);
    EXPECT_EQ(page.statusOnlyLabel(), "Receive Printer Status only");
    EXPECT_EQ(page.counterLabel(0), "Serial Number : ");
    EXPECT_EQ(page.statusLabel(S::WaitingForPeeling), "Waiting for peeling : ");
    EXPECT_EQ(page.statusLabel(S::ErrorCode), "Error code : ");
    EXPECT_EQ(page.printerStatusCaption(), "DMX/ZPL Printer Status");
    page.applyLanguage(Region::Japanese);
    EXPECT_NE(page.printerInformationCaption(), "Printer Information");
    EXPECT_FALSE(page.printerInformationCaption().empty());
}

} // namespace
} // namespace tessaline
