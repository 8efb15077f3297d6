#pragma once

#include "config/configuration_record_set.h"

namespace tessaline {

// Reads an automatic sensor calibration reply from configText into record 179 (selected when
// the reply carried the result, valueIndex 0 SUCCEEDED / 1 FAILED, invalid for another word).
// Returns 1 when a line carried any other key, else 0.
int CheckCalibrationReply(ConfigurationRecordSet& set);

// Reads the counters reply from configText into records 175..178 (serial number, print
// counter length, service counter length, cut counter); a value not in the reply is empty.
void ReadCounterReply(ConfigurationRecordSet& set);

// Reads the RFID calibration results from configText into records 42, 44 and 45; a value not in
// the reply is empty.
void ReadRfidCalibrationReply(ConfigurationRecordSet& set);

// The printer's machine emulation as given in emulationReply: 1 CODE_ZEBRA, 2 CODE_EPL,
// 3 CODE_KALDORA, 0 otherwise.
int QueryMachineEmulation(const ConfigurationRecordSet& set);

} // namespace tessaline
