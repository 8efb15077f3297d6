#include "text/messages.h"
#include "text/text_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaline {
namespace {

// A person who answers every question with a given button and remembers what was shown.
class RecordingPrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        MessageStyle style;
        bool question;
    };

    MessageButton answer = MessageButton::Yes;
    std::vector<Shown> shown;

    MessageButton askYesNo(const std::string& text, MessageStyle style) override {
        shown.push_back({text, style, true});
        return answer;
    }
    void showMessage(const std::string& text, MessageStyle style, const std::string&) override {
        shown.push_back({text, style, false});
    }
    std::optional<std::string> chooseFile(const FileChoice&) override { return std::nullopt; }
};

TEST(ShowMessage, ShowsTheEntryInTheLanguageWithItsStyle) {
    for (const Region region : kAllRegions) {
        for (int index = 0; index <= 17; ++index) {
            RecordingPrompter prompter;
            EXPECT_EQ(ShowMessage(prompter, region, index, MessageStyle::InformationOk),
                      MessageButton::Ok);
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_EQ(prompter.shown[0].text, MessageTable()[index].text(region));
            EXPECT_EQ(prompter.shown[0].style, MessageStyle::InformationOk);
            EXPECT_FALSE(prompter.shown[0].question);
        }
    }
    RecordingPrompter prompter;
    ShowMessage(prompter, Region::Korean, 12, MessageStyle::StopOk);
    EXPECT_EQ(prompter.shown.at(0).text, "프로그램을 종료하시겠습니까?");
}

TEST(ShowMessage, YesNoStylesAskAndReturnTheAnswer) {
    const MessageStyle kQuestions[] = {MessageStyle::QuestionYesNo, MessageStyle::ExclamationYesNo,
                                       MessageStyle::StopYesNo};
    for (const MessageStyle style : kQuestions) {
        for (const MessageButton answer : {MessageButton::Yes, MessageButton::No}) {
            RecordingPrompter prompter;
            prompter.answer = answer;
            EXPECT_EQ(ShowMessage(prompter, Region::English, 9, style), answer);
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_TRUE(prompter.shown[0].question);
            EXPECT_EQ(prompter.shown[0].style, style);
            EXPECT_EQ(prompter.shown[0].text, "Are you sure to send the configuration?");
        }
    }
    for (const MessageStyle style :
         {MessageStyle::StopOk, MessageStyle::ExclamationOk, MessageStyle::InformationOk})
        EXPECT_FALSE(IsYesNo(style));
}

TEST(ShowMessage, IndexesBeyondTheMessagesShowAnEmptyText) {
    // Entry 18 is the file-dialog filter, not a message.
    for (const int index : {18, 19, 1000, -1}) {
        RecordingPrompter prompter;
        ShowMessage(prompter, Region::Japanese, index, MessageStyle::StopOk);
        ASSERT_EQ(prompter.shown.size(), 1u) << index;
        EXPECT_EQ(prompter.shown[0].text, "") << index;
    }
}

TEST(ShowErrorCode, EachCodeShowsItsMessageWithItsStyle) {
    struct Case {
        int code;
        int entry;
        MessageStyle style;
    };
    const Case kCases[] = {
        {20, 0, MessageStyle::StopOk},  {22, 2, MessageStyle::ExclamationOk},
        {23, 3, MessageStyle::StopOk},  {24, 4, MessageStyle::StopOk},
        {30, 5, MessageStyle::StopOk},  {31, 6, MessageStyle::StopOk},
        {32, 7, MessageStyle::StopOk},  {40, 8, MessageStyle::StopOk},
        {80, 15, MessageStyle::StopOk}, {81, 16, MessageStyle::StopOk},
        {82, 17, MessageStyle::StopOk},
    };
    for (const Region region : kAllRegions) {
        for (const auto& c : kCases) {
            RecordingPrompter prompter;
            EXPECT_TRUE(ShowErrorCode(prompter, region, c.code));
            ASSERT_EQ(prompter.shown.size(), 1u) << c.code;
            EXPECT_EQ(prompter.shown[0].text, MessageTable()[c.entry].text(region)) << c.code;
            EXPECT_EQ(prompter.shown[0].style, c.style) << c.code;
            EXPECT_FALSE(prompter.shown[0].question) << c.code;
            // Every error message begins with its code.
            EXPECT_EQ(prompter.shown[0].text.rfind("code : " + std::to_string(c.code) + "\r\n", 0),
                      0u)
                << c.code;
        }
    }
}

TEST(ShowErrorCode, CodesWithoutAMessageShowNothing) {
    // 21 is a question that Import asks itself.
    for (const int code : {0, 21, 25, 33, 83, -20, 1167}) {
        RecordingPrompter prompter;
        EXPECT_FALSE(ShowErrorCode(prompter, Region::English, code)) << code;
        EXPECT_TRUE(prompter.shown.empty()) << code;
    }
}

TEST(ShowOwnMessage, ABusyReceiveIsAWarningWithoutACode) {
    for (const Region region : kAllRegions) {
        RecordingPrompter prompter;
        ShowOwnMessage(prompter, region, OwnMessage::ReceiveBusy);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, OwnMessageTable()[0].text(region));
        EXPECT_EQ(prompter.shown[0].style, MessageStyle::ExclamationOk);
        EXPECT_FALSE(prompter.shown[0].question);
        // Not an error code: the command line tool reads a leading code as its exit status.
        EXPECT_FALSE(prompter.shown[0].text.starts_with("code : "));
    }
}

TEST(FileDialogFilters, TwoLinesInEachLanguageTheSecondForEveryFile) {
    for (const Region region : kAllRegions) {
        const auto filters = FileDialogFilters(region);
        ASSERT_EQ(filters.size(), 2u);
        EXPECT_EQ(filters[0].pattern, "*.prn");
        EXPECT_EQ(filters[1].pattern, "*.*");
        EXPECT_NE(filters[0].display.find("(*.prn)"), std::string::npos);
        EXPECT_NE(filters[1].display.find("(*.*)"), std::string::npos);
    }
    EXPECT_EQ(FileDialogFilters(Region::English)[1].display, "All Files (*.*)");
    EXPECT_EQ(FileDialogFilters(Region::Japanese)[0].display, "PRN ファイル (*.prn)");
}

} // namespace
} // namespace tessaline
