// Feeds arbitrary printer replies to the status reader of the Information page (in each printer
// language) and to the preparation of the self-information texts.
#include "config/configuration_record_set.h"
#include "pages/information_page.h"
#include "selfinfo/self_info_texts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    if (size < 2) return 0;
    // The first byte picks the language of the texts, the second where the machine information
    // ends and the settings reply begins; the rest is the reply.
    const Region region = kAllRegions[data[0] % kRegionCount];
    const std::string_view reply(reinterpret_cast<const char*>(data + 2), size - 2);

    ConfigurationRecordSet records;
    InformationPage page(records);
    for (EmulationKind emulation :
         {EmulationKind::Native, EmulationKind::Zebra, EmulationKind::Eltron}) {
        page.clearForReceive();
        if (!page.readStatus(emulation, reply, region)) std::abort();
        // The EPL code shows the reply's first two bytes, each at most two UTF-8 bytes.
        if (page.status(StatusText::ErrorCode).size() > 4) std::abort();
    }

    const std::size_t split = reply.size() * data[1] / 255;
    const std::string_view machine = reply.substr(0, split);
    const std::string_view settings = reply.substr(split);
    const SelfInfoTexts texts = PrepareSelfInfoTexts(machine, settings);
    // Only line breaks and lines taken from the replies are added.
    if (texts.settingsText.size() > 2 * settings.size() + 64) std::abort();
    if (texts.machineText.size() > 2 * machine.size() + 5 * settings.size() + 256) std::abort();
    return 0;
}
