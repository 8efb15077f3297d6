#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaline::sim {

// What the printer reports in its status replies.
struct StatusFlags {
    bool paperError = false;
    bool ribbonError = false;
    bool printing = false;
    bool pause = false;
    bool waitingForPeeling = false;
    bool headUp = false;
    std::string eplCode; // the EPL error code; derived from the flags when empty
};

enum class ConfigScope { Standard, All, Advanced };

// One simulated printer: its settings (key and value text, in the order of the configuration
// text), identity, counters and status, and the replies it gives.
class SimPrinter {
public:
    explicit SimPrinter(int modelIndex = 0);

    // Takes every "KEY<TAB>:<TAB>VALUE" line of a configuration text.
    void applyConfiguration(std::string_view text);

    // The replies, as the printer sends them.
    std::string configurationReply(ConfigScope scope) const;
    std::string machineInfoReply() const;
    std::string countersReply() const;
    std::string statusReply(int emulationKind) const;
    std::string calibrationReply() const;

    // The value text of a setting; empty when the printer has none.
    std::string setting(std::string_view key) const;

    int modelIndex() const { return modelIndex_; }
    std::string serialNumber = "A1B2C3D4";
    uint32_t printCounterMetres = 1234;
    uint32_t serviceCounterMetres = 567;
    uint32_t cutCounter = 89;
    std::string bootVersion = "1.02";
    std::string firmwareVersion = "2.10";
    bool headCheckOk = true;
    bool calibrationFails = false;
    StatusFlags status;
    uint32_t calibrations = 0; // sensor adjustments run

private:
    void store(std::string key, std::string value);

    int modelIndex_;
    std::vector<std::pair<std::string, std::string>> settings_;
};

} // namespace tessaline::sim
