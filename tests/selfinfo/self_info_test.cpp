#include "selfinfo/self_info_checks.h"
#include "selfinfo/self_info_save.h"
#include "selfinfo/self_info_texts.h"

#include "platform/atomic_file.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace tessaline {
namespace {

const std::string kMachine = "SEND MACHINE INFO\r\n"
                             "Model Number\t:\tRV-940\r\n"
                             "Serial Number\t:\tA1B2C3\r\n"
                             "Boot Version\t:\t1.02\r\n"
                             "Head Check\t:\tOK\r\n"
                             "Print Counter\t:\t1,234 m\r\n"
                             "END\r\n";
const std::string kSettings = "~!!\r\nGLOBAL CONFIG\t:\t1\r\n"
                              "PRINT SPEED\t:\t6 IPS\r\n"
                              "PRINT METHOD\t:\tDIRECT THERMAL\r\n"
                              "SENSOR LEVEL\t:\t3\r\n"
                              "MEDIA SENSOR\t:\tGAP\r\n"
                              "AUTOCONFIGURE\t:\tOFF\r\n"
                              "USB DEVICE CLASS\t:\tPRINTER\r\n"
                              "FUNCTION SELECT\t:\tCUTTER\r\n"
                              "END\r\n";

TEST(SelfInfoTexts, MachineBoxGetsKeySettingsAndTheHeadCheckLast) {
    const SelfInfoTexts texts = PrepareSelfInfoTexts(kMachine, kSettings);
    EXPECT_EQ(texts.machineText, "Model Number\t:\tRV-940\r\n"
                                 "Serial Number\t:\tA1B2C3\r\n"
                                 "\r\nBoot Version\t:\t1.02\r\n"
                                 "\r\nPrint Counter\t:\t1,234 m\r\n"
                                 "\r\n"
                                 "PRINT SPEED\t:\t6 IPS\r\n"
                                 "PRINT METHOD\t:\tDIRECT THERMAL\r\n"
                                 "MEDIA SENSOR\t:\tGAP\r\n"
                                 "FUNCTION SELECT\t:\tCUTTER\r\n"
                                 "Head Check\t:\tOK\r\n");
    EXPECT_EQ(texts.settingsText, "GLOBAL CONFIG\t:\t1\r\n"
                                  "\r\nPRINT SPEED\t:\t6 IPS\r\n"
                                  "PRINT METHOD\t:\tDIRECT THERMAL\r\n"
                                  "\r\nSENSOR LEVEL\t:\t3\r\n"
                                  "MEDIA SENSOR\t:\tGAP\r\n"
                                  "\r\nAUTOCONFIGURE\t:\tOFF\r\n"
                                  "\r\nUSB DEVICE CLASS\t:\tPRINTER\r\n"
                                  "FUNCTION SELECT\t:\tCUTTER\r\n");
}

TEST(SelfInfoTexts, WithoutEndTheMachineBoxHoldsOnlyTheAppendedLines) {
    const SelfInfoTexts texts =
        PrepareSelfInfoTexts("Model Number\t:\tRV-940\r\nHead Check\t:\tNG\r\n", kSettings);
    EXPECT_EQ(texts.machineText, "\r\n\r\n\r\nPRINT SPEED\t:\t6 IPS\r\n"
                                 "PRINT METHOD\t:\tDIRECT THERMAL\r\n"
                                 "MEDIA SENSOR\t:\tGAP\r\n"
                                 "FUNCTION SELECT\t:\tCUTTER\r\n");
    EXPECT_EQ(PrepareSelfInfoTexts("", "").machineText, "\r\n\r\n\r\n");
}

TEST(SelfInfoChecks, SaveNeedsAllThree) {
    SelfInfoChecks checks;
    EXPECT_EQ(checks.caption(0), "Check1");
    checks.setTicked(0, true);
    checks.setTicked(1, true);
    EXPECT_FALSE(checks.saveEnabled());
    checks.setTicked(2, true);
    EXPECT_TRUE(checks.saveEnabled());
    checks.setTicked(1, false);
    EXPECT_FALSE(checks.saveEnabled());
    EXPECT_EQ(checks.caption(0), "Check1:OK");
    EXPECT_EQ(checks.caption(1), "Check2:");
}

class SelfInfoSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        time_.tm_year = 125, time_.tm_mon = 2, time_.tm_mday = 3;
        time_.tm_hour = 14, time_.tm_min = 25, time_.tm_sec = 30;
    }

    TempTree tree_;
    std::filesystem::path base_ = tree_.path();
    std::tm time_{};
};

TEST_F(SelfInfoSaveTest, WritesTheCsvInTheDaysFolder) {
    const SelfInfoTexts texts = PrepareSelfInfoTexts(kMachine, kSettings);
    for (int twice = 0; twice < 2; ++twice) {
        const auto result =
            SaveSelfInformation(texts.machineText, texts.settingsText, time_, base_.string());
        EXPECT_EQ(result.message, "\"20250303/RV-940_A1B2C3_20250303_142530_.csv\" was saved.");
        EXPECT_EQ(result.title, "Save");
        EXPECT_TRUE(result.closeDialog);
    }
    std::string bytes;
    ASSERT_TRUE(
        readWholeFile((base_ / "20250303/RV-940_A1B2C3_20250303_142530_.csv").string(), bytes));
    EXPECT_EQ(bytes.substr(0, 48), "Model Number,RV-940\r\nSerial Number,A1B2C3\r\n\r\nBoo");
    EXPECT_NE(bytes.find("Print Counter,1.234 m\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Head Check,OK\r\n\r\nGLOBAL CONFIG,1\r\n"), std::string::npos);
}

TEST_F(SelfInfoSaveTest, FailuresKeepTheDialogOpen) {
    struct Case {
        std::string machine;
        std::string message;
        std::string title;
    };
    const Case cases[] = {
        {"Serial Number\t:\tX\r\n", "Error: No \"Model Number\".", "Data Error"},
        {"Model Number\t:\tRV-940\r\n", "Error: No \"Serial Number\".", "Data Error"},
        {"Model Number\t:\t../x\r\nSerial Number\t:\t1\r\n", "", "Save"},
    };
    for (const auto& c : cases) {
        const auto result = SaveSelfInformation(c.machine, "", time_, base_.string());
        EXPECT_EQ(result.title, c.title) << c.machine;
        if (!c.message.empty()) {
            EXPECT_EQ(result.message, c.message);
        }
        EXPECT_EQ(result.closeDialog, c.title == "Save");
    }
    // A printer-supplied model name cannot leave the day's folder.
    EXPECT_TRUE(std::filesystem::exists(base_ / "20250303/.._x_1_20250303_142530_.csv"));
    // A file where the folder should be: the folder cannot be used.
    std::filesystem::remove_all(base_ / "20250303");
    ASSERT_TRUE(writeFileAtomically((base_ / "20250303").string(), "x", 0644));
    const auto blocked = SaveSelfInformation(kMachine, "", time_, base_.string());
    EXPECT_EQ(blocked.message, "Error: Failed to open a file.");
    EXPECT_FALSE(blocked.closeDialog);
}

TEST_F(SelfInfoSaveTest, AFailedSaveLeavesNoFileAndNoDayFolder) {
    // A model name longer than a file name may be: the file cannot be made.
    const std::string machine =
        "Model Number\t:\t" + std::string(300, 'M') + "\r\nSerial Number\t:\tS9\r\n";
    const auto result = SaveSelfInformation(machine, "", time_, base_.string());
    EXPECT_EQ(result.message, "Error: Failed to open a file.");
    EXPECT_FALSE(result.closeDialog);
    EXPECT_FALSE(std::filesystem::exists(base_ / "20250303"));
}

TEST_F(SelfInfoSaveTest, AShortSerialNumberEndsAtItsLineBreak) {
    const std::string machine = "Model Number\t:\tRV-943\r\nSerial Number\t:\tS9\r\nBoot\r\n";
    const auto result = SaveSelfInformation(machine, "", time_, base_.string());
    EXPECT_EQ(result.fileName, "20250303/RV-943_S9_20250303_142530_.csv");
    EXPECT_TRUE(std::filesystem::exists(base_ / result.fileName));
}

} // namespace
} // namespace tessaline
