#pragma once

#include "cli/options.h"

#include <span>
#include <string>

namespace tessaline::cli {

// Exit status of a usage error; other failures exit with their message code.
inline constexpr int kUsageError = 2;

using CommandFunction = int (*)(const CliOptions& options, std::span<const std::string> arguments);

struct CliCommand {
    const char* name;
    const char* usage; // the arguments, for the help text
    const char* summary;
    CommandFunction run;
};

std::span<const CliCommand> commandTable();

// One function per command, each in its own file.
int runParse(const CliOptions& options, std::span<const std::string> arguments);
int runTexts(const CliOptions& options, std::span<const std::string> arguments);

} // namespace tessaline::cli
