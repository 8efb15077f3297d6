#pragma once

#include <array>
#include <string>

namespace tessaline {

// The three manual checks of the self-information dialog; Save needs all three.
class SelfInfoChecks {
public:
    static constexpr int kCount = 3;

    void setTicked(int index, bool ticked);
    bool ticked(int index) const;
    // "Check1" before the first click; then "Check1:OK" when ticked, "Check1:" when not.
    std::string caption(int index) const;
    bool saveEnabled() const;

private:
    std::array<bool, kCount> ticked_{};
    std::array<bool, kCount> clicked_{};
};

} // namespace tessaline
