#pragma once

#include <string>
#include <vector>

namespace tessaline::cli {

// How the printer is reached when an interface option names it.
enum class InterfaceChoice { Saved, Tcp, Serial, Parallel, Usb, Queue };

// The options that stand before the command word.
struct CliOptions {
    std::string model;     // "NAME" or "0".."5"; empty: the saved model
    bool advanced = false; // include the advanced settings
    bool json = false;     // print data as JSON
    std::string language;  // en, ja, zh, ko; empty: the saved or the user's language
    bool yes = false;      // answer every question with Yes
    InterfaceChoice interface = InterfaceChoice::Saved;
    std::string interfaceValue; // the option's value: HOST[:PORT], DEVICE[,...], NAME
};

struct ParsedCommandLine {
    CliOptions options;
    std::string command;
    std::vector<std::string> arguments;
};

// Reads the options, the command word and its arguments. Returns false with a message on a
// usage error.
bool parseCommandLine(int argc, const char* const* argv, ParsedCommandLine& out,
                      std::string& error);

} // namespace tessaline::cli
