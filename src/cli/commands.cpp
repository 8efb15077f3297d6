#include "cli/commands.h"

#include "cli/run_reply.h"

#include <cstdio>

namespace tessaline::cli {

namespace {
constexpr CliCommand kCommands[] = {
    {"ports", "", "print queues (name, kind, port), serial, parallel and USB ports", runPorts},
    {"parse", "FILE", "read a .prn file as Import does and print its settings", runParse},
    {"check", "FILE", "Import FILE and print the text Send would write (or the code)", runCheck},
    {"send", "FILE", "Import FILE, then Send Configuration", runSend},
    {"export", "FILE OUT", "Import FILE, then Export to OUT", runExport},
    {"receive", "[easy|standard|advanced] [-o OUT]",
     "Receive, then print the settings (or Export them to OUT)", runReceive},
    {"status", "", "receive and print the printer status", runStatus},
    {"info", "", "receive and print the printer status and counters", runInfo},
    {"selfinfo", "[--save]", "print the self information; --save writes its CSV", runSelfInfo},
    {"calibrate", "[--media gaps|marks] [--config-set 1|2|3]", "run the sensor adjustment",
     runCalibrate},
    {"selftest", "", "print the printer's self test", runSelfTest},
    {"sample", "", "print a sample label", runSample},
    {"print", "FILE", "send a print file to the printer unchanged", runPrint},
    {"defaults", "", "print the text Send would write for the model's defaults", runDefaults},
    {"texts", "", "print every text table in one language (--language, --json)", runTexts},
};
} // namespace

std::span<const CliCommand> commandTable() {
    return kCommands;
}

int usageError(const std::string& text) {
    std::fprintf(stderr, "tessaline-cli: %s\n", text.c_str());
    runReply().setMessage(text);
    return kUsageError;
}

} // namespace tessaline::cli
