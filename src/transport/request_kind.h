#pragma once

namespace tessaline {

// The requests the printer answers (4 is not used).
enum class RequestKind : int {
    StandardConfig = 0, // "SEND CONFIG : STANDARD"
    AllConfig = 1,      // "SEND CONFIG : ALL"
    Counters = 2,       // serial number and counters
    AdvancedConfig = 3, // "SEND CONFIG : ADVANCED"
    MachineInfo = 5,    // "SEND MACHINE INFO"
    Status = 6,         // the status query of the printer's language
};

// Which status query the printer's language takes.
enum class EmulationKind : int {
    Native = 0,
    Zebra = 1,
    Eltron = 2,
};

} // namespace tessaline
