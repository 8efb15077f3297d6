#pragma once

#include "text/region.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tessaline {

// One text in the four languages, UTF-8, indexed by the region's column. A column holds at most
// MaxUnits UTF-16 code units (the fixed width the text has wherever the program stores it).
template <std::size_t MaxUnits> struct LocalizedText {
    static constexpr std::size_t kMaxUnits = MaxUnits;

    std::array<std::string_view, kRegionCount> columns;

    constexpr std::string_view text(Region region) const { return columns[RegionColumn(region)]; }
};

// Labels and list items: at most 31 UTF-16 code units per language.
using ShortText = LocalizedText<31>;
// Messages and guide texts: at most 511 UTF-16 code units per language.
using LongText = LocalizedText<511>;

// The texts of one user-interface item: its label(s), its choice list in value-index order and
// its unit list. Lists that several items share are the same ShortText sequence.
struct ItemTexts {
    std::span<const ShortText> labels;
    std::span<const ShortText> values;
    std::span<const ShortText> units;

    // Text k of a list in one language; empty when k is outside the list.
    std::string_view label(std::size_t k, Region region) const { return at(labels, k, region); }
    std::string_view value(std::size_t k, Region region) const { return at(values, k, region); }
    std::string_view unit(std::size_t k, Region region) const { return at(units, k, region); }

    // The index of the item whose text in any of the four languages is `text`, or -1. A shown
    // item translates back to its value index this way, whatever language it was shown in.
    int findValue(std::string_view text) const { return find(values, text); }
    int findUnit(std::string_view text) const { return find(units, text); }

private:
    static std::string_view at(std::span<const ShortText> list, std::size_t k, Region region);
    static int find(std::span<const ShortText> list, std::string_view text);
};

// Rows 0 to 167: the main window (0-12), the serial settings dialog (13-18), the Standard page's
// setting rows (19 + Standard row), its RFID result captions (137-139) and group headings
// (140-145), the Information page (146-159), the Easy page (160-166) and the Sensor Adjustment
// page (167).
std::span<const ItemTexts> ItemTextTable();
inline constexpr std::size_t kItemTextRows = 168;
// Row of ItemTextTable that describes Standard row (configuration key entry) i.
inline constexpr std::size_t kFirstStandardItemRow = 19;

// The five captions of the Print Test page, one label each.
std::span<const ItemTexts> PrintItemTexts();

// Message box texts 0 to 17 and the file-dialog filter (entry 18).
std::span<const LongText> MessageTable();
inline constexpr std::size_t kFileFilterMessage = 18;

// The sensor adjustment instructions and the calibration questions and results.
std::span<const LongText> GuideTextTable();

// The program's own messages, which MessageTable has no entry for; each is an entry of
// OwnMessageTable.
enum class OwnMessage : std::size_t {
    ReceiveBusy = 0, // another program is receiving from the printer
    // Settings that could not be saved or read: %1 the file, %2 one of the causes below, %3 the
    // name the old file is kept under.
    SettingsNotSaved = 1,       // the question at exit
    SettingsFileKeptAside = 2,  // after a save that kept the old file aside
    SettingsFileUnreadable = 3, // at start
    CauseNotAFile = 4,
    CauseTooLarge = 5,
    CauseUndecodable = 6,
    CausePartlyUndecodable = 7,
    CauseOtherUser = 8,
    CauseFolderIsALink = 9,
    CauseFolderWritableByOthers = 10,
    CauseNoHome = 11,
    // Asked before a language or model change resets pages the person has edited.
    UnsentEditsLost = 12,
    // The progress box of an exchange: what it does (%1 and %2 the KB of a print file sent and in
    // all), its button, and its text once cancelled.
    ProgressSendingConfiguration = 13,
    ProgressReceiving = 14,
    ProgressSensorAdjustment = 15,
    ProgressSelfTest = 16,
    ProgressSample = 17,
    ProgressPrintFile = 18,
    ProgressCancel = 19,
    ProgressCancelling = 20,
};
std::span<const LongText> OwnMessageTable();
inline constexpr std::size_t kOwnMessageCount = 21;

// A row of ItemTextTable; row numbers outside the table give an item without texts.
const ItemTexts& ItemTextsRow(std::size_t row);

// Entry `index` of MessageTable or GuideTextTable in one language; empty outside the table.
std::string_view MessageText(std::size_t index, Region region);
std::string_view GuideText(std::size_t index, Region region);
std::string_view OwnMessageText(OwnMessage message, Region region);

// The detail phrases under a coded message (details.tsv); each is an entry of DetailTable. A
// phrase names its parameters in braces; see text/error_detail.h.
enum class DetailPhrase : std::size_t {
    ConnectionRefused = 0,
    NoAnswer,
    ClosedAfter,
    UnexpectedStart,
    StoppedWithoutEnd,
    ZeroByte,
    FilledBuffer,
    PermissionDeniedJoinGroup,
    PermissionDenied,
    DeviceMissing,
    DeviceVanished,
    HostUnknown,
    QueueRefused,
    QueueTookPart,
    PrintFileUnreadable,
    LanguageMismatch,
    Cancelled,
    ReceiveLockHeld,
    PortBusy,
    LineSettingsRefused,
    UsbPortNotConnected,
    Unreachable,
    ConnectTimeout,
    OpenSystemError,
    NoInterface,
    WriteIncomplete,
    ReplyBrokeOff,
    NoAdjustmentResult,
    FileUnreadable,
    NotConfiguration,
    FileUnwritable,
    SettingRefused,
    ReasonNotInList,
    ReasonRange,
    ReasonForm,
    LanguageNative,
    LanguageZebra,
    LanguageEltron,
    LanguageNone,
    NoSuchQueue,
    ReplyValuesRefused,
    NoSuchPrintCommand,
    NotOpenable,
    FileNotRegular,
    FileTooLarge,
    // What a command did, for the window's status line.
    ConfigurationSent,
    Received,
    ConfigurationExported,
    ConfigurationImported,
    SensorAdjustmentRun,
    SelfTestSent,
    SampleSent,
    PrintFileSent,
};
std::span<const LongText> DetailTable();
inline constexpr std::size_t kDetailCount = 53;
std::string_view DetailPhraseText(DetailPhrase phrase, Region region);

} // namespace tessaline
