#include "cli/commands.h"

namespace tessaline::cli {

namespace {
constexpr CliCommand kCommands[] = {
    {"parse", "FILE", "read a .prn file as Import does and print its settings", runParse},
    {"texts", "", "print every text table in one language (--language, --json)", runTexts},
};
} // namespace

std::span<const CliCommand> commandTable() { return kCommands; }

} // namespace tessaline::cli
