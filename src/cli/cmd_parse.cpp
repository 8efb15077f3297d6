#include "cli/commands.h"

#include <cstdio>

namespace tessaline::cli {

int runParse(const CliOptions&, std::span<const std::string> arguments) {
    if (arguments.size() != 1) return kUsageError;
    std::fprintf(stderr, "tessaline-cli: parse is not built yet\n");
    return 1;
}

} // namespace tessaline::cli
