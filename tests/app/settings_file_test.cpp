#include "app/settings_file.h"

#include "platform/atomic_file.h"
#include "platform/utf16.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessaline {
namespace {

const std::vector<std::string_view> kModels = {"RV-940", "RV-940 Z", "RV-940 E", "RV-943"};
constexpr uint16_t kKorean = 0x12;

InterfaceSettings load(const std::string& body, uint16_t language = 0x09) {
    return LoadSettings(ProfileFile::fromText("[Tessaline]\r\n" + body), language, kModels);
}

TEST(LoadSettings, MissingFileGivesTheDefaults) {
    const InterfaceSettings s = LoadSettings(ProfileFile(), kKorean, kModels);
    EXPECT_EQ(s.portType, PortType::None);
    EXPECT_EQ(s.printerModel, "RV-940");
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.stopBits, StopBitsCode::One);
    EXPECT_EQ(s.parity, ParityCode::None);
    EXPECT_EQ(s.flowControl, "X");
    EXPECT_EQ(s.portNumber, "");
    EXPECT_EQ(s.region, 3);
    EXPECT_EQ(s.appMode, "STANDARD");
    EXPECT_EQ(s.advancedTab, "OFF");
}

TEST(LoadSettings, RegionFallsBackToTheUserLanguage) {
    struct Case {
        std::string line;
        uint16_t language;
        int32_t region;
    };
    const Case cases[] = {
        {"REGION=7", kKorean, 3},       {"REGION=1", kKorean, 1},
        {"REGION=-1", 0x11, 1},         {"REGION=0", 0x04, 0},
        {"REGION=abc", 0x04, 2},        {"REGION=3", 0x09, 3},
        {"REGION=4294967296", 0x09, 0}, {"", 0x11, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(load(c.line, c.language).region, c.region) << c.line;
}

TEST(LoadSettings, KeysTakenOnlyWhenValid) {
    struct Case {
        std::string line;
        PortType type;
        std::string number;
        std::string model;
    };
    const Case cases[] = {
        {"PORT_TYPE=com", PortType::None, "", "RV-940"},
        {"PORT_TYPE=COM", PortType::Serial, "", "RV-940"},
        {"PORT_TYPE=NET\r\nPORT_NUMBER=123456", PortType::Network, "", "RV-940"},
        {"PORT_NUMBER=91a0", PortType::None, "", "RV-940"},
        {"PORT_NUMBER=09101", PortType::None, "09101", "RV-940"},
        {"PRINTER_MODEL=RV-943", PortType::None, "", "RV-943"},
        {"PRINTER_MODEL=rv-943", PortType::None, "", "RV-940"},
    };
    for (const auto& c : cases) {
        const InterfaceSettings s = load(c.line);
        EXPECT_EQ(s.portType, c.type) << c.line;
        EXPECT_EQ(s.portNumber, c.number) << c.line;
        EXPECT_EQ(s.printerModel, c.model) << c.line;
    }
}

TEST(LoadSettings, ComSetPiecesAreTakenOneByOne) {
    struct Case {
        std::string value;
        int32_t baud;
        uint8_t bits;
        StopBitsCode stop;
        ParityCode parity;
        std::string flow;
    };
    const Case cases[] = {
        {"19200 7 1.5 E H", 19200, 7, StopBitsCode::One, ParityCode::Even, "H"},
        {"19200  7 2 E H", 9600, 8, StopBitsCode::One, ParityCode::None, "X"},
        {"38400 8 2 \xEF\xBD\x8F n", 38400, 8, StopBitsCode::Two, ParityCode::Odd, "N"},
        {"fast 8 1 Q Z", 9600, 8, StopBitsCode::One, ParityCode::None, "X"},
        {"4800 7 1 E", 9600, 8, StopBitsCode::One, ParityCode::None, "X"},
    };
    for (const auto& c : cases) {
        const InterfaceSettings s = load("COM_SET=" + c.value);
        EXPECT_EQ(s.baudRate, c.baud) << c.value;
        EXPECT_EQ(s.dataBits, c.bits) << c.value;
        EXPECT_EQ(s.stopBits, c.stop) << c.value;
        EXPECT_EQ(s.parity, c.parity) << c.value;
        EXPECT_EQ(s.flowControl, c.flow) << c.value;
    }
    EXPECT_EQ(FormatComSet(InterfaceSettings{}), "9600 8 1 N X");
}

TEST(ChangeMask, EachKeyHasItsRule) {
    const auto noHosts = [](const std::string&) { return std::optional<std::string>(); };
    const auto printerHost = [](const std::string& name) {
        return name == "printer" ? std::optional<std::string>("10.0.0.7") : std::nullopt;
    };
    InterfaceSettings net;
    net.portType = PortType::Network;

    struct Case {
        const char* what;
        InterfaceSettings loaded;
        InterfaceSettings current;
        HostResolver resolve;
        unsigned mask;
    };
    std::vector<Case> cases;
    auto withRegion = InterfaceSettings{};
    withRegion.region = 1;
    cases.push_back({"language only", InterfaceSettings{}, withRegion, noHosts, kRegionChanged});
    auto loadedHost = net, currentHost = net;
    loadedHost.portName = "printer";
    currentHost.portName = "10.0.0.7";
    currentHost.portNumber = "9100";
    cases.push_back({"host name still resolves", loadedHost, currentHost, printerHost, 0});
    cases.push_back({"host name gone", loadedHost, currentHost, noHosts, kPortNameChanged});
    auto shownDefault = net;
    shownDefault.portName = std::string(kDefaultPrinterAddress);
    shownDefault.portNumber = "9100";
    cases.push_back({"empty name shows the default address", net, shownDefault, noHosts, 0});
    auto otherPort = shownDefault;
    otherPort.portNumber = "9101";
    cases.push_back({"port number", net, otherPort, noHosts, kPortNumberChanged});
    InterfaceSettings serial;
    serial.portType = PortType::Serial;
    auto faster = serial;
    faster.baudRate = 19200;
    cases.push_back({"serial line", serial, faster, noHosts, kSerialSettingsChanged});
    auto wasSerial = faster;
    wasSerial.portType = PortType::Usb;
    cases.push_back({"serial line ignored off COM", serial, wasSerial, noHosts, kPortTypeChanged});
    auto folder = InterfaceSettings{}, folderSlash = InterfaceSettings{};
    folder.defaultFolder = "/home/a";
    folderSlash.defaultFolder = "/home/a/";
    cases.push_back({"folder normalised", folder, folderSlash, noHosts, 0});
    auto model = InterfaceSettings{};
    model.printerModel = "RV-943";
    cases.push_back({"model", InterfaceSettings{}, model, noHosts, kPrinterModelChanged});

    for (const auto& c : cases)
        EXPECT_EQ(ComputeChangeMask(c.loaded, c.current, c.resolve), c.mask) << c.what;
}

class SettingsFileTest : public ::testing::Test {
protected:
    TempTree folder_;
    std::string path_ = folder_.path("Tessaline.ini");
};

TEST_F(SettingsFileTest, WritesOnlyTheChangedKeysAsUtf16) {
    InterfaceSettings current;
    current.region = 2;
    current.portName = "ignored";
    ASSERT_TRUE(SaveChangedSettings(path_, kRegionChanged, current, nullptr));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path_, bytes));
    EXPECT_EQ(ProfileFile::fromBytes(bytes, nullptr).text(), "[Tessaline]\r\nREGION=2\r\n");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE[\0", 4));
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(SettingsFileTest, KeepsWhatItDoesNotWrite) {
    ASSERT_TRUE(writeFileAtomically(
        path_, "; mine\n[Other]\nA=1\n\n[tessaline]\nAPP_MODE=QRVA\nREGION=0\n\n", 0644));
    InterfaceSettings current;
    current.region = 1;
    current.portType = PortType::Serial;
    current.baudRate = 19200;
    ASSERT_TRUE(SaveChangedSettings(
        path_, kRegionChanged | kSerialSettingsChanged | kPortTypeChanged, current, nullptr));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path_, bytes));
    EXPECT_EQ(ProfileFile::fromBytes(bytes, nullptr).text(),
              "; mine\r\n[Other]\r\nA=1\r\n\r\n[tessaline]\r\nAPP_MODE=QRVA\r\nREGION=1\r\n"
              "PORT_TYPE=COM\r\nCOM_SET=19200 8 1 N X\r\n\r\n");
    const InterfaceSettings reread =
        LoadSettings(ProfileFile::fromBytes(bytes, nullptr), 0, kModels);
    EXPECT_EQ(reread.appMode, "QRVA");
    EXPECT_EQ(reread.baudRate, 19200);
}

std::string readText(const std::string& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return ProfileFile::fromBytes(bytes, nullptr).text();
}

// A UTF-16LE file without its mark that lost a byte: the lines the save does not write, in the
// sections and keys the program does not know, stay exactly as they were, and the file as it
// stood is kept beside it.
TEST_F(SettingsFileTest, ADamagedFileKeepsWhatItDoesNotWrite) {
    const std::string text = "; mine\r\n[Other]\r\nA=1\r\nNAME=\xE3\x83\x97\r\n\r\n"
                             "[Tessaline]\r\nREGION=0\r\nUNKNOWN=keep me\r\n[Last]\r\nZ=1\r\n";
    std::string bytes = utf8ToUtf16Le(text);
    bytes.erase(bytes.find(std::string("=\0"
                                       "0",
                                       3)) +
                    2,
                1); // the value of REGION
    ASSERT_TRUE(writeFileAtomically(path_, bytes, 0600));

    const SettingsFileRead read = ReadSettingsFile(path_, nullptr);
    EXPECT_EQ(read.state, SettingsFileState::Damaged);
    EXPECT_EQ(LoadSettings(read.file, 0, kModels).region, 0); // the default for English

    InterfaceSettings current;
    current.region = 2;
    const SettingsSave save = SaveChangedSettings(path_, kRegionChanged, current, nullptr);
    ASSERT_TRUE(save.saved);
    EXPECT_TRUE(save.keptAside);
    EXPECT_EQ(save.problem.cause, SettingsCause::PartlyUndecodable);
    std::string expected = text;
    expected.replace(expected.find("REGION=0"), 8, "REGION=2");
    EXPECT_EQ(readText(path_), expected);
    std::string kept;
    ASSERT_TRUE(readWholeFile(path_ + ".bad", kept));
    EXPECT_EQ(kept, bytes);
    // Repaired, the file reads whole the next time.
    EXPECT_EQ(ReadSettingsFile(path_, nullptr).state, SettingsFileState::Read);
}

// A settings file that cannot be read at all is never waited on, gives the defaults with its
// cause, and at the next save is moved aside (over an older one) before a new file is written.
TEST_F(SettingsFileTest, AnUnreadableFileIsMovedAsideWhenSettingsAreSaved) {
    struct Case {
        const char* what;
        std::function<void()> make;
        SettingsCause cause;
        mode_t type; // of what is kept aside
    };
    const Case cases[] = {
        {"named pipe", [&] { ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); },
         SettingsCause::NotAFile, S_IFIFO},
        {"link to /dev/zero", [&] { ASSERT_EQ(::symlink("/dev/zero", path_.c_str()), 0); },
         SettingsCause::NotAFile, S_IFLNK},
        {"over the limit",
         [&] {
             folder_.write("Tessaline.ini", "[Tessaline]\nPORT_NAME=10.9.9.9\n");
             ASSERT_EQ(::truncate(path_.c_str(), kSettingsReadLimit + 1), 0);
         },
         SettingsCause::TooLarge, S_IFREG},
        {"binary",
         [&] {
             std::string noise;
             for (int i = 0; i < 4096; ++i)
                 noise += static_cast<char>((i * 7919) % 251);
             ASSERT_TRUE(writeFileAtomically(path_, noise, 0600));
         },
         SettingsCause::Undecodable, S_IFREG},
        {"another user's",
         [&] {
             folder_.write("Tessaline.ini", "[Tessaline]\nPORT_TYPE=NET\nPORT_NAME=10.9.9.9\n");
             ASSERT_EQ(::chown(path_.c_str(), 65534, 65534), 0);
         },
         SettingsCause::OtherUser, S_IFREG},
    };
    InterfaceSettings current;
    current.region = 2;
    for (const auto& c : cases) {
        std::filesystem::remove(path_);
        folder_.write("Tessaline.ini.bad", "older");
        c.make();
        const SettingsAtStart start = LoadSettingsFile(folder_.path(), 0x09);
        EXPECT_EQ(start.problem.cause, c.cause) << c.what;
        EXPECT_EQ(start.settings.portName, "") << c.what;

        const SettingsSave save = SaveChangedSettings(path_, kRegionChanged, current, nullptr);
        EXPECT_TRUE(save.saved) << c.what;
        EXPECT_TRUE(save.keptAside) << c.what;
        EXPECT_EQ(save.problem.cause, c.cause) << c.what;
        EXPECT_EQ(readText(path_), "[Tessaline]\r\nREGION=2\r\n") << c.what;
        struct stat st {};
        ASSERT_EQ(::lstat((path_ + ".bad").c_str(), &st), 0) << c.what;
        EXPECT_EQ(st.st_mode & S_IFMT, c.type) << c.what;
        std::filesystem::remove(path_ + ".bad");
    }
}

// A save that cannot be made says why and leaves everything as it stood.
TEST_F(SettingsFileTest, ASaveThatFailsSaysWhy) {
    InterfaceSettings current;
    current.region = 2;
    folder_.folder("Tessaline.ini/inside");
    const SettingsSave intoFolder = SaveChangedSettings(path_, kRegionChanged, current, nullptr);
    EXPECT_FALSE(intoFolder.saved);
    EXPECT_EQ(intoFolder.problem.cause, SettingsCause::NotAFile);
    EXPECT_TRUE(std::filesystem::exists(folder_.path("Tessaline.ini/inside")));
    EXPECT_FALSE(std::filesystem::exists(path_ + ".bad"));
    std::filesystem::remove_all(path_);

    // A read-only settings folder, for a user the permissions hold for.
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0555), 0);
    ASSERT_EQ(::chown(folder_.path().c_str(), 65534, 65534), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
        const SettingsSave save = SaveChangedSettings(path_, kRegionChanged, current, nullptr);
        ::_exit(!save.saved && save.problem.cause == SettingsCause::SystemError &&
                        save.problem.systemError == EACCES
                    ? 0
                    : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(std::filesystem::exists(path_));
    ::chmod(folder_.path().c_str(), 0700);
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFile) {
    const std::string old = "[Tessaline]\nREGION=1\n";
    ASSERT_TRUE(writeFileAtomically(path_, old, 0600));
    const pid_t child = ::fork();
    if (child == 0) {
        // The file-size limit stands in for a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        InterfaceSettings current;
        current.defaultFolder = std::string(500, 'x');
        ::_exit(SaveChangedSettings(path_, kDefaultFolderChanged, current, nullptr) ? 0 : 7);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 7);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path_, bytes));
    EXPECT_EQ(bytes, old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

} // namespace
} // namespace tessaline
