#include "cli/commands.h"
#include "cli/options.h"
#include "cli/run_reply.h"
#include "version.h"

#include <cstdio>
#include <string_view>

namespace {

void printUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: tessaline-cli [options] COMMAND [ARGS]\n"
                 "interface (one; default: the interface saved in Tessaline.ini):\n"
                 "  --tcp HOST[:PORT]  --serial DEVICE[,BAUD,DATA,STOP,PARITY,FLOW]  (e.g. "
                 "/dev/ttyUSB0,9600,8,1,N,X)\n"
                 "  --parallel DEVICE  --usb USB001|USB_AUTO  --queue NAME\n"
                 "options: --model NAME|0..5  --advanced  --language en|ja|zh|ko  --yes  --json\n"
                 "commands:\n");
    for (const auto& command : tessaline::cli::commandTable())
        std::fprintf(to, "  %s %s\n      %s\n", command.name, command.usage, command.summary);
    std::fprintf(
        to, "exit status: 0 done; the message code of a failure (20-24, 30-32, 40, "
            "80-82);\n  1 a question answered No or a failed sensor adjustment; 2 a usage error\n");
}

// Whether --json stands anywhere on the command line: a usage error answers in JSON even when
// --json stood where no option belongs.
bool jsonAsked(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--json") return true;
    return false;
}

// With --json, the run's one JSON object on standard output; returns the exit status.
int replied(bool json, int status) {
    if (json) tessaline::cli::runReply().print(status);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tessaline::cli;
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        printUsage(stdout);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("tessaline-cli %s\n", tessaline::kVersion);
        return 0;
    }
    ParsedCommandLine parsed;
    std::string error;
    if (!parseCommandLine(argc, argv, parsed, error)) {
        usageError(error);
        printUsage(stderr);
        return replied(jsonAsked(argc, argv), kUsageError);
    }
    for (const auto& command : commandTable()) {
        if (parsed.command != command.name) continue;
        const int status = command.run(parsed.options, parsed.arguments);
        return replied(parsed.options.json || (status == kUsageError && jsonAsked(argc, argv)),
                       status);
    }
    usageError("unknown command " + parsed.command);
    printUsage(stderr);
    return replied(parsed.options.json, kUsageError);
}
