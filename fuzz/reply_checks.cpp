// Feeds arbitrary replies to the four auxiliary reply checks.
#include "config/reply_checks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    ConfigurationRecordSet set;
    set.configText.assign(reinterpret_cast<const char*>(data), size);
    set.emulationReply = set.configText;
    const int calibration = CheckCalibrationReply(set);
    if (calibration != 0 && calibration != 1) std::abort();
    ReadCounterReply(set);
    ReadRfidCalibrationReply(set);
    const int emulation = QueryMachineEmulation(set);
    if (emulation < 0 || emulation > 3) std::abort();
    for (int n : {42, 44, 45, 175, 176, 177, 178})
        if (set.record(n).valueText.size() > 39 * 3) std::abort(); // 39 bytes, at most 3 each
    return 0;
}
