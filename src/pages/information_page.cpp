#include "pages/information_page.h"

#include "text/text_tables.h"

#include <algorithm>

namespace tessaline {

namespace {

constexpr std::size_t kFlagWindow = 128; // status flags: the first bytes of the reply
constexpr std::size_t kFlagCount = 9;    // bytes needed from the first flag on
constexpr std::size_t kHostStatusWindow = 256;
constexpr char kStx = 0x02;

constexpr std::string_view kYes = "Yes";
constexpr std::string_view kNo = "No";
constexpr std::string_view kUnknown = "?";

// The EPL error codes in search order, with their English and Japanese messages.
struct EplError {
    std::string_view code;
    std::string_view english;
    std::string_view japanese;
};
constexpr std::string_view kOtherEn = "Other error";
constexpr std::string_view kOtherJa = "その他のエラー";
constexpr EplError kEplErrors[] = {
    {"00", "No error", "エラーなし"},
    {"01", kOtherEn, kOtherJa},
    {"02", kOtherEn, kOtherJa},
    {"03", kOtherEn, kOtherJa},
    {"04", kOtherEn, kOtherJa},
    {"05", kOtherEn, kOtherJa},
    {"06", kOtherEn, kOtherJa},
    {"07", "Paper end / Ribbon end", "用紙切れ／リボン切れ"},
    {"08", kOtherEn, kOtherJa},
    {"09", kOtherEn, kOtherJa},
    {"10", kOtherEn, kOtherJa},
    {"11", "Head up", "ヘッドアップ"},
    {"12", "Pause / Waiting for peeling", "ポーズ中／剥離待ち中"},
    {"13", kOtherEn, kOtherJa},
    {"14", kOtherEn, kOtherJa},
    {"15", kOtherEn, kOtherJa},
    {"16", kOtherEn, kOtherJa},
    {"17", "Printer is busy", "プリンタービジー"},
    {"51", kOtherEn, kOtherJa},
    {"93", kOtherEn, kOtherJa},
};

// ItemTexts rows of the captions.
constexpr int kCounterLabels = 146; // 146..149
constexpr int kStatusLabels = 150;  // 150..155
constexpr int kStatusOnlyText = 156;
constexpr int kPrinterInformationText = 157;
constexpr int kPrinterStatusText = 158;
constexpr int kEplStatusText = 159;

std::string_view flagText(char c) {
    return c == 'Y' ? kYes : c == 'N' ? kNo : kUnknown;
}

// A byte shown as one character (bytes above 127 as the Latin-1 character of that number).
void appendByte(std::string& out, unsigned char b) {
    if (b < 0x80) {
        out += static_cast<char>(b);
    } else {
        out += static_cast<char>(0xC0 | (b >> 6));
        out += static_cast<char>(0x80 | (b & 0x3F));
    }
}

std::string label(int row, Region region) {
    return std::string(ItemTextsRow(row).label(0, region));
}

} // namespace

InformationPage::InformationPage(ConfigurationRecordSet& records) : records_(records) {}

void InformationPage::clearTexts() {
    for (int k = 0; k < 4; ++k) {
        counters_[k].clear();
        records_.record(kCounterSerialRecord + k).valueText.clear();
    }
    for (std::string& s : status_)
        s.clear();
}

void InformationPage::reset() {
    clearTexts();
    statusOnly_ = false;
}

void InformationPage::clearForReceive() {
    clearTexts();
}

void InformationPage::enableStatusGroup(EmulationKind emulation) {
    eplStatusEnabled_ = emulation == EmulationKind::Eltron;
    printerStatusEnabled_ = !eplStatusEnabled_;
}

void InformationPage::showCounters() {
    for (int k = 0; k < 4; ++k)
        counters_[k] = records_.record(kCounterSerialRecord + k).valueText;
}

bool InformationPage::readStatus(EmulationKind emulation, std::string_view reply, Region region) {
    // The reply ends at its first zero byte; bytes after it are not part of the status.
    reply = reply.substr(0, reply.find('\0'));
    switch (emulation) {
    case EmulationKind::Native:
        readFlags(reply);
        return true;
    case EmulationKind::Zebra:
        readHostStatus(reply);
        return true;
    case EmulationKind::Eltron:
        readEplError(reply, region);
        return true;
    default:
        return false;
    }
}

void InformationPage::readFlags(std::string_view reply) {
    std::array<char, kFlagWindow> window{};
    std::copy_n(reply.begin(), std::min(reply.size(), kFlagWindow), window.begin());
    const auto first =
        std::find_if(window.begin(), window.end(), [](char c) { return c == 'Y' || c == 'N'; });
    const auto q = static_cast<std::size_t>(first - window.begin());
    if (first == window.end() || kFlagWindow - q < kFlagCount) return;
    const char* f = window.data() + q;
    text(StatusText::PaperError) = flagText(f[1]);
    text(StatusText::RibbonError) = flagText(f[2]);
    text(StatusText::Printing) = (f[3] == 'Y' || f[4] == 'Y')   ? kYes
                                 : (f[3] == 'N' && f[4] == 'N') ? kNo
                                                                : kUnknown;
    text(StatusText::Pause) = flagText(f[5]);
    text(StatusText::WaitingForPeeling) = flagText(f[6]);
}

void InformationPage::readHostStatus(std::string_view reply) {
    std::array<char, kHostStatusWindow> window{};
    std::copy_n(reply.begin(), std::min(reply.size(), kHostStatusWindow), window.begin());
    // Any position beyond the window reads as a zero byte.
    auto at = [&window](std::size_t pos) { return pos < window.size() ? window[pos] : '\0'; };
    const auto stx = [&window](std::size_t from) {
        for (std::size_t pos = from; pos < window.size(); ++pos)
            if (window[pos] == kStx) return pos;
        return window.size();
    };
    const std::size_t p = stx(0);
    if (p == window.size()) return;
    auto s1 = [&](std::size_t n) { return at(p + n); };
    int paper = s1(5) == '1' ? 1 : 0;
    const int pause = s1(7) == '1' ? 1 : 0;
    int printing = 0;
    // A comma at 13 marks a four-digit label length; the formats count follows it.
    const std::size_t formats = s1(13) == ',' ? 14 : 15;
    if (s1(formats) != '0' || s1(formats + 1) != '0' || s1(formats + 2) != '0') printing = 1;
    if (s1(formats + 4) == '1') ++printing;
    const std::size_t p2 = stx(p + 1);
    if (p2 == window.size()) return;
    auto s2 = [&](std::size_t n) { return at(p2 + n); };
    if (s2(7) == '1') ++paper;
    const int ribbon = s2(9) == '1' ? 1 : 0;
    const int waiting = s2(17) == '1' ? 1 : 0;
    for (std::size_t n = 19; n <= 26; ++n)
        if (s2(n) != '0') {
            ++printing;
            break;
        }
    auto yesNo = [](int counter) { return std::string(counter > 0 ? kYes : kNo); };
    text(StatusText::PaperError) = yesNo(paper);
    text(StatusText::RibbonError) = yesNo(ribbon);
    text(StatusText::Printing) = yesNo(printing);
    text(StatusText::Pause) = yesNo(pause);
    text(StatusText::WaitingForPeeling) = yesNo(waiting);
}

void InformationPage::readEplError(std::string_view reply, Region region) {
    if (reply.empty()) return;
    std::string code;
    for (std::size_t k = 0; k < std::min<std::size_t>(reply.size(), 2); ++k)
        appendByte(code, static_cast<unsigned char>(reply[k]));
    text(StatusText::ErrorCode) = code;
    // "00" anywhere wins; otherwise the first code of the table found anywhere in the reply. A
    // reply with none of the codes is some other error.
    const EplError* row = nullptr;
    for (const EplError& e : kEplErrors)
        if (reply.find(e.code) != std::string_view::npos) {
            row = &e;
            break;
        }
    const bool japanese = region == Region::Japanese;
    if (row == nullptr)
        text(StatusText::ErrorMessage) = japanese ? kOtherJa : kOtherEn;
    else
        text(StatusText::ErrorMessage) = japanese ? row->japanese : row->english;
}

TextColour InformationPage::colour(StatusText t) const {
    if (t == StatusText::ErrorCode || t == StatusText::ErrorMessage)
        return status(StatusText::ErrorCode).find("00") != std::string::npos ? TextColour::Blue
                                                                             : TextColour::Red;
    return status(t).find(kYes) != std::string::npos ? TextColour::Red : TextColour::Blue;
}

std::string InformationPage::printerInformationCaption() const {
    return label(kPrinterInformationText, region_);
}
std::string InformationPage::printerStatusCaption() const {
    return label(kPrinterStatusText, region_);
}
std::string InformationPage::eplStatusCaption() const {
    return label(kEplStatusText, region_);
}
std::string InformationPage::counterLabel(int k) const {
    return label(kCounterLabels + k, region_);
}
std::string InformationPage::statusLabel(StatusText t) const {
    const int k = std::min(static_cast<int>(t), static_cast<int>(StatusText::ErrorCode));
    return label(kStatusLabels + k, region_);
}
std::string InformationPage::statusOnlyLabel() const {
    return label(kStatusOnlyText, region_);
}

} // namespace tessaline
