#pragma once

#include "sim/faults.h"
#include "sim/sim_printer.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaline::sim {

enum class Listen { Tcp, Pty, Device };

struct SimOptions {
    Listen listen = Listen::Tcp;
    std::string host = "127.0.0.1";
    int port = 0;
    std::string path; // --pty link or --device path
    int modelIndex = 0;
    std::string serialNumber;
    std::optional<std::string> recordFile;
    Faults faults;
    StatusFlags status;
    bool failCalibration = false;
};

// Parses the command line; on a wrong argument returns nothing and sets `error`.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error);

// The usage text.
const char* simUsage();

} // namespace tessaline::sim
