// Feeds arbitrary bytes to the settings file reader as "Tessaline.ini", reads the settings from
// it, writes changed keys back and reads the result again, as a start and an exit do.
#include "app/settings_file.h"
#include "platform/code_page.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    using namespace tessaline;
    static constexpr std::string_view kModels[] = {"RV-940", "RV-940 Z", "RV-940 E", "RV-943"};
    static constexpr CodePage kCodePages[] = {CodePage::Windows1252, CodePage::Cp932,
                                              CodePage::Cp936, CodePage::Cp949};
    const CodePage codePage = kCodePages[data[0] % 4];
    const auto legacy = [codePage](std::string_view b) { return fromCodePage(b, codePage); };
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    ProfileFile file = ProfileFile::fromBytes(bytes, legacy);
    if (file.damagedLines() > file.lineCount()) std::abort();
    const uint16_t language = static_cast<uint16_t>(data[0] >> 2);
    const InterfaceSettings loaded = LoadSettings(file, language, kModels);
    if (loaded.region < 0 || loaded.region > 3) std::abort();
    if (loaded.portNumber.size() > 5) std::abort();
    bool known = false;
    for (const auto model : kModels)
        known = known || loaded.printerModel == model;
    if (!known) std::abort();

    // What is written reads back as it was written.
    WriteChangedKeys(file, kRegionChanged | kPortNameChanged, loaded);
    const std::string written = file.text();
    const ProfileFile reread = ProfileFile::fromBytes(file.utf16LeBytes(), legacy);
    if (reread.text() != written) std::abort();
    if (LoadSettings(reread, language, kModels).region != loaded.region) std::abort();
    return 0;
}
