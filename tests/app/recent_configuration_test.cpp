#include "app/recent_configuration.h"

#include "config/configuration_writer.h"
#include "config/key_table.h"
#include "platform/atomic_file.h"
#include "transport/command_prefix.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaline {
namespace {

class RecentConfigurationTest : public ::testing::Test {
protected:
    TempTree folder_;
    std::string path_ = folder_.path("Recent.dat");
};

TEST_F(RecentConfigurationTest, ALongConfigurationIsStoredWholeAndReadBack) {
    ConfigurationRecordSet written;
    // Every text entry filled to make the text longer than one 4096-byte buffer.
    for (int n = 0; n < 176; ++n)
        written.entryRecord(n).selected = 1;
    std::string longText;
    for (int i = 0; i < 5000; ++i)
        longText += static_cast<char>('a' + i % 26);
    written.configText = "WLAN SSID\t:\t" + longText + "\r\nEND\r\n";
    ASSERT_TRUE(WriteRecentConfiguration(path_, written));

    std::string bytes;
    ASSERT_TRUE(readWholeFile(path_, bytes));
    EXPECT_EQ(bytes.substr(0, 17), CommandPrefix);
    EXPECT_EQ(bytes.size(), 17 + written.configText.size());
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    ConfigurationRecordSet read;
    ASSERT_TRUE(ReadRecentConfiguration(path_, read));
    EXPECT_EQ(read.configText, std::string(CommandPrefix) + written.configText);
}

TEST_F(RecentConfigurationTest, RoundTripsThroughTheWriterAndReader) {
    ConfigurationRecordSet written;
    ClearConfiguration(written);
    written.configText.clear();
    auto& speed = written.entryRecord(1);
    speed.selected = 1;
    speed.valueText = "6 IPS";
    WriteConfigurationText(written, false);
    ASSERT_TRUE(WriteRecentConfiguration(path_, written));

    ConfigurationRecordSet read;
    ASSERT_TRUE(ReadRecentConfiguration(path_, read));
    EXPECT_EQ(read.entryRecord(1).selected, 1);
    EXPECT_EQ(read.entryRecord(1).valueIndex, 4); // "2 IPS" is the first choice
}

TEST_F(RecentConfigurationTest, IgnoresMissingAndForeignFiles) {
    ConfigurationRecordSet set;
    set.configText = "untouched";
    EXPECT_FALSE(ReadRecentConfiguration(path_, set));
    ASSERT_TRUE(writeFileAtomically(path_, "PRINT SPEED\t:\t6 IPS\r\nEND\r\n", 0600));
    EXPECT_FALSE(ReadRecentConfiguration(path_, set));
    EXPECT_EQ(set.configText, "untouched");
}

} // namespace
} // namespace tessaline
