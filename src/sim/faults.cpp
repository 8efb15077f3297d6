#include "sim/faults.h"

namespace tessaline::sim {
namespace {

constexpr char kStrayByte = '#';
constexpr size_t kGarbageLength = 64;
constexpr size_t kOversizeLength = 6000;
constexpr std::string_view kTerminator = "END\r\n";

} // namespace

std::string shapeReply(const std::string& reply, const Faults& faults) {
    if (reply.empty()) return reply;
    std::string out = reply;
    if (faults.garbage) {
        out.clear();
        for (size_t i = 0; i < kGarbageLength; ++i)
            out += static_cast<char>('a' + i % 26);
    }
    if (faults.oversize && out.size() >= kTerminator.size() &&
        out.compare(out.size() - kTerminator.size(), kTerminator.size(), kTerminator) == 0) {
        std::string filler;
        while (filler.size() + out.size() < kOversizeLength)
            filler += "; filler line\r\n";
        out.insert(out.size() - kTerminator.size(), filler);
    }
    out += faults.afterReply;
    if (faults.strayBytes > 0) out.insert(0, static_cast<size_t>(faults.strayBytes), kStrayByte);
    return out;
}

} // namespace tessaline::sim
