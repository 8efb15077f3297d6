#pragma once

#include "platform/print_spooler.h"
#include "transport/channel_result.h"
#include "transport/channel_selection.h"
#include "transport/port_channel.h"

#include <cstdint>
#include <string>

namespace tessaline {

// Opens the selected interface and gives it the time-outs of `purpose`; a serial port also gets
// its line settings. A network printer is first tested for reachability. A print queue is never
// opened here (the flows switch to the port behind it first). On failure the channel's
// lastOpenFailure() says why.
bool OpenSelectedInterface(CPortChannel& channel, const ChannelSelection& selection,
                           OpenPurpose purpose);

// Closes whatever the selected interface opened; for a print queue, the port behind it.
void CloseSelectedInterface(CPortChannel& channel, const ChannelSelection& selection);

// Hands `data` to a print queue as one RAW document. Returns Ok, OpenFailed or WriteFault;
// `written` gets the bytes the queue took.
ChannelResult SendRawDocument(const PrintSpooler& spooler, const std::string& queue,
                              const uint8_t* data, uint32_t size, uint32_t* written);

} // namespace tessaline
