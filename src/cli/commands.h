#pragma once

#include "cli/options.h"

#include <span>
#include <string>

namespace tessaline::cli {

// Exit status of a usage error; other failures exit with their message code.
inline constexpr int kUsageError = 2;
// Exit status of a question answered No, and of a sensor adjustment the printer reported as
// failed.
inline constexpr int kDeclinedOrFailed = 1;

using CommandFunction = int (*)(const CliOptions& options, std::span<const std::string> arguments);

struct CliCommand {
    const char* name;
    const char* usage; // the arguments, for the help text
    const char* summary;
    CommandFunction run;
};

std::span<const CliCommand> commandTable();

// Prints "tessaline-cli: TEXT" on standard error and returns kUsageError.
int usageError(const std::string& text);

// One function per command, each in its own file.
int runPorts(const CliOptions& options, std::span<const std::string> arguments);
int runParse(const CliOptions& options, std::span<const std::string> arguments);
int runCheck(const CliOptions& options, std::span<const std::string> arguments);
int runSend(const CliOptions& options, std::span<const std::string> arguments);
int runExport(const CliOptions& options, std::span<const std::string> arguments);
int runReceive(const CliOptions& options, std::span<const std::string> arguments);
int runStatus(const CliOptions& options, std::span<const std::string> arguments);
int runInfo(const CliOptions& options, std::span<const std::string> arguments);
int runSelfInfo(const CliOptions& options, std::span<const std::string> arguments);
int runCalibrate(const CliOptions& options, std::span<const std::string> arguments);
int runSelfTest(const CliOptions& options, std::span<const std::string> arguments);
int runSample(const CliOptions& options, std::span<const std::string> arguments);
int runPrint(const CliOptions& options, std::span<const std::string> arguments);
int runDefaults(const CliOptions& options, std::span<const std::string> arguments);
int runTexts(const CliOptions& options, std::span<const std::string> arguments);

} // namespace tessaline::cli
