#pragma once

#include "app/interface_settings.h"
#include "text/region.h"

#include <array>
#include <string>
#include <vector>

namespace tessaline {

// The serial line settings dialog without its window: five lists whose selections come from the
// current settings when it opens and go back into them on OK.
class SerialSettingsDialogModel {
public:
    enum List { BaudRate = 0, DataBits, StopBits, Parity, FlowControl };
    static constexpr int kListCount = 5;

    // Opening: selects the entries that match `current` and localises every text.
    SerialSettingsDialogModel(const InterfaceSettings& current, Region region);

    std::string title() const; // also the group box text
    std::string label(List list) const;
    const std::vector<std::string>& entries(List list) const;
    int selected(List list) const;
    void select(List list, int index); // ignored outside the list

    // OK: stores the five selections.
    void storeInto(InterfaceSettings& settings) const;

private:
    Region region_;
    std::array<std::vector<std::string>, kListCount> entries_;
    std::array<int, kListCount> selected_{};
};

} // namespace tessaline
