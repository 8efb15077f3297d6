#include "selfinfo/self_info_checks.h"

#include <algorithm>

namespace tessaline {

void SelfInfoChecks::setTicked(int index, bool ticked) {
    if (index < 0 || index >= kCount) return;
    ticked_[static_cast<size_t>(index)] = ticked;
    clicked_[static_cast<size_t>(index)] = true;
}

bool SelfInfoChecks::ticked(int index) const {
    return index >= 0 && index < kCount && ticked_[static_cast<size_t>(index)];
}

std::string SelfInfoChecks::caption(int index) const {
    std::string text = "Check" + std::to_string(index + 1);
    if (index < 0 || index >= kCount || !clicked_[static_cast<size_t>(index)]) return text;
    return text + (ticked(index) ? ":OK" : ":");
}

bool SelfInfoChecks::saveEnabled() const {
    return std::all_of(ticked_.begin(), ticked_.end(), [](bool t) { return t; });
}

} // namespace tessaline
