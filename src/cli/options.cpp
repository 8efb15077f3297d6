#include "cli/options.h"

#include <string_view>

namespace tessaline::cli {

namespace {

struct ValueOption {
    std::string_view name;
    std::string CliOptions::*field;
};

struct FlagOption {
    std::string_view name;
    bool CliOptions::*field;
};

struct InterfaceOption {
    std::string_view name;
    InterfaceChoice choice;
};

constexpr ValueOption kValueOptions[] = {
    {"--model", &CliOptions::model},
    {"--language", &CliOptions::language},
};

constexpr FlagOption kFlagOptions[] = {
    {"--advanced", &CliOptions::advanced},
    {"--json", &CliOptions::json},
    {"--yes", &CliOptions::yes},
};

constexpr InterfaceOption kInterfaceOptions[] = {
    {"--tcp", InterfaceChoice::Tcp},           {"--serial", InterfaceChoice::Serial},
    {"--parallel", InterfaceChoice::Parallel}, {"--usb", InterfaceChoice::Usb},
    {"--queue", InterfaceChoice::Queue},
};

} // namespace

bool parseCommandLine(int argc, const char* const* argv, ParsedCommandLine& out,
                      std::string& error) {
    int i = 1;
    for (; i < argc; ++i) {
        std::string_view word = argv[i];
        if (!word.starts_with("--")) break;
        bool known = false;
        for (const auto& flag : kFlagOptions) {
            if (word == flag.name) {
                out.options.*flag.field = true;
                known = true;
            }
        }
        const auto takeValue = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = std::string(word) + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        for (const auto& option : kValueOptions) {
            if (word != option.name) continue;
            if (!takeValue(out.options.*option.field)) return false;
            known = true;
        }
        for (const auto& option : kInterfaceOptions) {
            if (word != option.name) continue;
            if (out.options.interface != InterfaceChoice::Saved) {
                error = "only one interface option may be given";
                return false;
            }
            if (!takeValue(out.options.interfaceValue)) return false;
            out.options.interface = option.choice;
            known = true;
        }
        if (!known) {
            error = "unknown option " + std::string(word);
            return false;
        }
    }
    if (i >= argc) {
        error = "no command given";
        return false;
    }
    out.command = argv[i++];
    for (; i < argc; ++i)
        out.arguments.emplace_back(argv[i]);
    return true;
}

} // namespace tessaline::cli
