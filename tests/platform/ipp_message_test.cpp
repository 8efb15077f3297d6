#include "platform/ipp_message.h"
#include "support/ipp_bytes.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using namespace ipp_bytes;

// Two queues, the second named with a language and followed by an extra value.
std::string twoPrinters() {
    return head(0x0000, 7) + operationGroup() + printerGroup() + name("printer-name", "lpt") +
           uri("device-uri", "parallel:/dev/lp0") + enumeration("printer-state", 3) +
           printerGroup() + attribute(0x36, "printer-name", withLanguage("en", "Serial")) +
           enumeration("printer-state", 5) + enumeration("", 4) + end();
}

TEST(IppMessage, ResponseComesApartIntoGroupsOfNamedValues) {
    std::optional<IppMessage> message = ParseIppMessage(twoPrinters() + "document data");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->code, 0);
    EXPECT_EQ(message->requestId, 7u);
    ASSERT_EQ(message->groups.size(), 3u);
    EXPECT_EQ(message->groups[0].tag, ipp_tag::kOperationGroup);
    EXPECT_EQ(message->groups[0].attributes.size(), 2u);

    const IppGroup& first = message->groups[1];
    EXPECT_EQ(first.tag, ipp_tag::kPrinterGroup);
    ASSERT_TRUE(FindIppAttribute(first, "device-uri"));
    EXPECT_EQ(IppText(FindIppAttribute(first, "device-uri")->values[0]), "parallel:/dev/lp0");
    EXPECT_EQ(IppInteger(FindIppAttribute(first, "printer-state")->values[0]), 3);
    EXPECT_EQ(FindIppAttribute(first, "printer-info"), nullptr);

    const IppGroup& second = message->groups[2];
    ASSERT_EQ(second.attributes.size(), 2u);
    EXPECT_EQ(IppText(second.attributes[0].values[0]), "Serial");
    const IppAttribute& state = second.attributes[1];
    ASSERT_EQ(state.values.size(), 2u);
    EXPECT_EQ(IppInteger(state.values[1]), 4);
}

TEST(IppMessage, AnythingShortOfTheEndTagIsRejected) {
    const std::string whole = twoPrinters();
    for (size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(ParseIppMessage(whole.substr(0, size))) << "cut after " << size << " bytes";
}

TEST(IppMessage, MalformedMessagesAreRejected) {
    const std::string start = head(0x0000, 1) + printerGroup();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"name longer than the message", start + tag(0x42) + u16(0xFFFF) + "printer-name"},
        {"value longer than the message",
         start + tag(0x42) + u16(12) + "printer-name" + u16(0x8000) + "lpt" + end()},
        {"value outside any group", head(0, 1) + name("printer-name", "lpt") + end()},
        {"further value without an attribute", start + name("", "lpt") + end()},
        {"reserved delimiter", start + tag(0x00) + end()},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ParseIppMessage(c.bytes)) << c.what;
}

TEST(IppMessage, ErrorStatusAndEmptyGroupsComeThrough) {
    std::optional<IppMessage> message =
        ParseIppMessage(head(0x0406, 9) + operationGroup() + printerGroup() + end());
    ASSERT_TRUE(message);
    EXPECT_EQ(message->code, 0x0406);
    ASSERT_EQ(message->groups.size(), 2u);
    EXPECT_TRUE(message->groups[1].attributes.empty());
}

TEST(IppMessage, ValuesOfTheWrongKindReadAsNothing) {
    const struct {
        const char* what;
        IppValue value;
        std::optional<std::string> text;
        std::optional<int32_t> integer;
    } cases[] = {
        {"name", {0x42, "lpt"}, "lpt", std::nullopt},
        {"text up to a NUL", {0x41, std::string("ab\0cd", 5)}, "ab", std::nullopt},
        {"name with language", {0x36, withLanguage("de", "Etiketten")}, "Etiketten", std::nullopt},
        {"language longer than the value", {0x36, u16(40) + "de"}, std::nullopt, std::nullopt},
        {"text missing after the language", {0x35, u16(2) + "de"}, std::nullopt, std::nullopt},
        {"enum", {0x23, u32(5)}, std::nullopt, 5},
        {"negative integer", {0x21, u32(0xFFFFFFFE)}, std::nullopt, -2},
        {"short enum", {0x23, u16(5)}, std::nullopt, std::nullopt},
        {"out of band", {0x13, ""}, std::nullopt, std::nullopt},
        {"octet string", {0x30, "abcd"}, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IppText(c.value), c.text) << c.what;
        EXPECT_EQ(IppInteger(c.value), c.integer) << c.what;
    }
}

TEST(IppMessage, RequestIsEncodedGroupByGroup) {
    const IppRequestAttribute attributes[] = {
        {ipp_tag::kOperationGroup, ipp_tag::kCharset, "attributes-charset", {"utf-8"}},
        {ipp_tag::kOperationGroup, ipp_tag::kKeyword, "requested-attributes", {"a", "bc"}},
        {ipp_tag::kPrinterGroup, ipp_tag::kEnum, "printer-type", {IppIntegerBytes(-1)}},
    };
    const std::string expected = std::string("\x02\x00\x40\x02\x00\x01\x00\x02", 8) + tag(0x01) +
                                 attribute(0x47, "attributes-charset", "utf-8") +
                                 attribute(0x44, "requested-attributes", "a") +
                                 attribute(0x44, "", "bc") + tag(0x04) +
                                 attribute(0x23, "printer-type", "\xFF\xFF\xFF\xFF") + end();
    EXPECT_EQ(BuildIppRequest(0x4002, 0x10002, attributes), expected);
}

} // namespace
} // namespace tessaline
