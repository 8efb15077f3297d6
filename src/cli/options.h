#pragma once

#include <string>
#include <vector>

namespace tessaline::cli {

// The options that stand before the command word.
struct CliOptions {
    std::string model;    // "NAME" or "0".."5"; empty: the default model
    bool advanced = false; // include the advanced settings
    bool json = false;     // print data as JSON
    std::string language;  // en, ja, zh, ko; empty: the user's language
    bool yes = false;      // answer every question with Yes
};

struct ParsedCommandLine {
    CliOptions options;
    std::string command;
    std::vector<std::string> arguments;
};

// Reads the options, the command word and its arguments. Returns false with a message on a
// usage error.
bool parseCommandLine(int argc, const char* const* argv, ParsedCommandLine& out, std::string& error);

} // namespace tessaline::cli
