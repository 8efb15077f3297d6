#include "platform/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tessaline {

namespace {

struct LanguageCodePage {
    std::string_view language;
    CodePage codePage;
};

constexpr LanguageCodePage kLanguageCodePages[] = {
    {"ja", CodePage::Cp932},
    {"zh", CodePage::Cp936},
    {"ko", CodePage::Cp949},
};

constexpr std::array<const char*, 4> kIconvNames = {"WINDOWS-1252", "CP932", "CP936", "CP949"};

const char* iconvName(CodePage codePage) {
    return kIconvNames[static_cast<int>(codePage)];
}

// One conversion descriptor, opened on first use and closed with its owner.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

private:
    iconv_t handle_;
};

// Length of the malformed or unmappable UTF-8 sequence at the start of `in` (at least 1).
std::size_t utf8SequenceLength(const char* in, std::size_t left) {
    const auto lead = static_cast<unsigned char>(in[0]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::size_t n = 1;
    while (n < length && n < left && (static_cast<unsigned char>(in[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

std::string convert(std::string_view input, CodePage codePage, bool toCodePageBytes) {
    if (isAscii(input)) return std::string(input);
    const char* to = toCodePageBytes ? iconvName(codePage) : "UTF-8";
    const char* from = toCodePageBytes ? "UTF-8" : iconvName(codePage);
    Converter converter(to, from);
    std::string out;
    if (!converter.ok()) {
        for (char c : input)
            out.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
        return out;
    }
    out.resize(input.size() * 4 + 4);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* dest = out.data();
    std::size_t destLeft = out.size();
    while (inLeft > 0) {
        if (iconv(converter.handle(), &in, &inLeft, &dest, &destLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) break; // cannot happen: four output bytes per input byte suffice
        // EILSEQ or EINVAL: one character that cannot be converted becomes "?".
        const std::size_t skip = toCodePageBytes ? utf8SequenceLength(in, inLeft) : 1;
        in += skip;
        inLeft -= skip;
        *dest++ = '?';
        --destLeft;
        iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - destLeft);
    return out;
}

} // namespace

bool isAscii(std::string_view text) {
    // Eight bytes at a time: none may have its top bit set.
    constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if ((word & kTopBits) != 0) return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

CodePage codePageForLocale(std::string_view localeName) {
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    for (const auto& row : kLanguageCodePages)
        if (language == row.language) return row.codePage;
    return CodePage::Windows1252;
}

CodePage systemCodePage() {
    static const CodePage codePage = [] {
        for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* value = std::getenv(name);
            if (value != nullptr && *value != '\0') return codePageForLocale(value);
        }
        return CodePage::Windows1252;
    }();
    return codePage;
}

std::string toCodePage(std::string_view utf8, CodePage codePage) {
    return convert(utf8, codePage, true);
}

std::string fromCodePage(std::string_view bytes, CodePage codePage) {
    return convert(bytes, codePage, false);
}

} // namespace tessaline
