#pragma once

#include <chrono>

namespace tessaline {

using Millis = std::chrono::milliseconds;

// Every wait of the port channel. The defaults are the printer protocol's numbers; tests may
// scale them down to run faster, the program always uses the defaults.
struct ChannelTimings {
    Millis serialPollPause{500};        // between two looks at the serial input queue
    Millis parallelFirstPause{100};     // before the first parallel read
    Millis parallelPollPause{200};      // between parallel reads
    Millis usbPollPause{50};            // between looks at the USB port
    Millis socketQuietWait{100};        // socket: silence wait, pause after an empty wait
    Millis drainWait{100};              // socket drain: one readability wait
    Millis drainLimit{2000};            // longest drain of stale input
    Millis echoLimit{500};              // ICMP echo reply; also the connect bound without ICMP
    Millis usbResolveLimit{1000};       // retries of the USB port resolution
    Millis usbResolveRetry{100};        // pause between two resolutions
    Millis serialChunkWriteLimit{500};  // one serial or parallel chunk write
    Millis writeStallLimit{5000};       // no write progress for this long ends a write
    Millis socketWritableLimit{500000}; // a socket that does not become writable
    Millis readTimeout{5000};           // device reads (send and receive)
    Millis sensorReadTimeout{10000};    // device and socket reads of the sensor adjustment
    Millis socketReadTimeout{1000};     // socket reads (send and receive)
    Millis usbMinReadTimeout{100};      // the shortest USB read time-out
    // The longest a serial or parallel reply may take in all: a printer that trickles bytes never
    // lets the read time-out (tested only while the line is quiet) run out. A 4096-byte reply
    // takes about 4.3 s at 9600 baud, so a minute leaves room for the slowest line.
    Millis replyDeadline{60000};

    // Every value multiplied by `factor` (at least 1 ms each).
    ChannelTimings scaled(double factor) const;
};

} // namespace tessaline
