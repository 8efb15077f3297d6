#include "sim/sim_options.h"

#include "config/printer_models.h"

#include <cstdlib>

namespace tessaline::sim {
namespace {

bool toInt(const std::string& text, int& value) {
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < 0 || parsed > 1000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool setStatusFlags(const std::string& list, StatusFlags& status) {
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string name =
            list.substr(start, comma == std::string::npos ? list.npos : comma - start);
        if (name == "paper")
            status.paperError = true;
        else if (name == "ribbon")
            status.ribbonError = true;
        else if (name == "printing")
            status.printing = true;
        else if (name == "pause")
            status.pause = true;
        else if (name == "waiting")
            status.waitingForPeeling = true;
        else if (name == "headup")
            status.headUp = true;
        else if (!name.empty())
            return false;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return true;
}

bool setModel(const std::string& text, int& modelIndex) {
    int index = 0;
    if (toInt(text, index) && isValidModelIndex(index)) {
        modelIndex = index;
        return true;
    }
    auto names = modelNames();
    for (size_t i = 0; i < names.size(); ++i) {
        std::string_view name = names[i];
        if (name == text || name.substr(0, name.find(' ')) == text) {
            modelIndex = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

} // namespace

const char* simUsage() {
    return "usage: tessaline-sim [--tcp HOST:PORT | --pty LINK | --device PATH] [--model NAME]\n"
           "  [--serial SN] [--record FILE] [--delay MS] [--stray N] [--silent]\n"
           "  [--close-mid-reply] [--trickle MS] [--garbage] [--stop-reading] [--oversize]\n"
           "  [--after-reply BYTES]\n"
           "  [--fail-calibration] [--status paper,ribbon,printing,pause,waiting,headup]\n"
           "  [--epl-code NN]\n"
           "Prints its address on the first line; ends on SIGTERM or at the end of its input.\n";
}

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto number = [&](int& out) {
            std::string text;
            if (!value(text)) return false;
            if (!toInt(text, out)) {
                error = a + ": not a number: " + text;
                return false;
            }
            return true;
        };
        std::string text;
        bool ok = true;
        if (a == "--tcp") {
            ok = value(text);
            size_t colon = text.rfind(':');
            if (ok && (colon == std::string::npos || !toInt(text.substr(colon + 1), o.port) ||
                       o.port > 65535)) {
                error = "--tcp wants HOST:PORT";
                ok = false;
            }
            if (ok) o.host = text.substr(0, colon);
            o.listen = Listen::Tcp;
        } else if (a == "--pty") {
            ok = value(o.path);
            o.listen = Listen::Pty;
        } else if (a == "--device") {
            ok = value(o.path);
            o.listen = Listen::Device;
        } else if (a == "--model") {
            ok = value(text);
            if (ok && !setModel(text, o.modelIndex)) {
                error = "unknown model: " + text;
                ok = false;
            }
        } else if (a == "--serial") {
            ok = value(o.serialNumber);
        } else if (a == "--record") {
            ok = value(text);
            o.recordFile = text;
        } else if (a == "--delay") {
            ok = number(o.faults.replyDelayMs);
        } else if (a == "--stray") {
            ok = number(o.faults.strayBytes);
        } else if (a == "--trickle") {
            ok = number(o.faults.trickleMs);
        } else if (a == "--silent") {
            o.faults.silent = true;
        } else if (a == "--close-mid-reply") {
            o.faults.closeMidReply = true;
        } else if (a == "--garbage") {
            o.faults.garbage = true;
        } else if (a == "--stop-reading") {
            o.faults.stopReading = true;
        } else if (a == "--oversize") {
            o.faults.oversize = true;
        } else if (a == "--after-reply") {
            ok = value(o.faults.afterReply);
        } else if (a == "--fail-calibration") {
            o.failCalibration = true;
        } else if (a == "--status") {
            ok = value(text);
            if (ok && !setStatusFlags(text, o.status)) {
                error = "unknown status flag in: " + text;
                ok = false;
            }
        } else if (a == "--epl-code") {
            ok = value(o.status.eplCode);
        } else {
            error = "unknown option: " + a;
            ok = false;
        }
        if (!ok) return std::nullopt;
    }
    return o;
}

} // namespace tessaline::sim
