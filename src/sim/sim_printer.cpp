#include "sim/sim_printer.h"

#include "config/configuration_record_set.h"
#include "config/configuration_writer.h"
#include "config/key_table.h"
#include "config/printer_models.h"
#include "config/text_vocabulary.h"
#include "pages/settings_editor.h"
#include "transport/command_prefix.h"

#include <algorithm>

namespace tessaline::sim {
namespace {

constexpr size_t kSerialNumberWidth = 22; // the printer pads its serial number to this width
constexpr char kStx = 0x02;
constexpr char kEtx = 0x03;

std::string line(std::string_view key, std::string_view value) {
    std::string out(key);
    out.append(kSeparator).append(value).append(kLineEnd);
    return out;
}

ConfigScope scopeOfKey(std::string_view key) {
    auto table = keyTable();
    auto found = std::find_if(table.begin(), table.end(),
                              [key](const KeyEntry& entry) { return entry.key == key; });
    if (found == table.end()) return ConfigScope::Standard;
    return found - table.begin() < kStandardEntryCount ? ConfigScope::Standard
                                                       : ConfigScope::Advanced;
}

bool inScope(ConfigScope wanted, std::string_view key) {
    return wanted == ConfigScope::All || scopeOfKey(key) == wanted;
}

// The model name without the emulation's description: "RV-940Z (Zebra...)" gives "RV-940Z".
std::string modelNumber(int modelIndex) {
    std::string_view name = modelNames()[isValidModelIndex(modelIndex) ? modelIndex : 0];
    return std::string(name.substr(0, name.find(' ')));
}

char flag(bool on) {
    return on ? 'Y' : 'N';
}
char digit(bool on) {
    return on ? '1' : '0';
}

std::string eplCodeOf(const StatusFlags& s) {
    if (!s.eplCode.empty()) return s.eplCode;
    if (s.paperError || s.ribbonError) return "07";
    if (s.headUp) return "11";
    if (s.pause || s.waitingForPeeling) return "12";
    if (s.printing) return "17";
    return "00";
}

} // namespace

// The printer starts with the model's default settings: what the program itself would send
// after restoring the defaults and including every setting.
SimPrinter::SimPrinter(int modelIndex)
    : modelIndex_(isValidModelIndex(modelIndex) ? modelIndex : 0) {
    applyConfiguration(DefaultConfigurationText(modelIndex_, true));
}

void SimPrinter::store(std::string key, std::string value) {
    for (auto& [k, v] : settings_)
        if (k == key) {
            v = std::move(value);
            return;
        }
    settings_.emplace_back(std::move(key), std::move(value));
}

void SimPrinter::applyConfiguration(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string_view row =
            text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (row == kEndLine) break;
        size_t separator = row.find(kSeparator);
        if (separator == std::string_view::npos || separator == 0) continue;
        store(std::string(row.substr(0, separator)),
              std::string(row.substr(separator + kSeparator.size())));
    }
}

std::string SimPrinter::setting(std::string_view key) const {
    for (const auto& [k, v] : settings_)
        if (k == key) return v;
    return {};
}

std::string SimPrinter::configurationReply(ConfigScope scope) const {
    std::string out(PrefixHead);
    for (const auto& [key, value] : settings_)
        if (inScope(scope, key)) out += line(key, value);
    out.append(kEndLine).append(kLineEnd);
    return out;
}

std::string SimPrinter::machineInfoReply() const {
    std::string serial = serialNumber;
    if (serial.size() < kSerialNumberWidth) serial.resize(kSerialNumberWidth, ' ');
    std::string out(PrefixHead);
    out += line("Model Number", modelNumber(modelIndex_));
    out += line("Serial Number", serial);
    out += line("Boot Version", bootVersion);
    out += line("Firmware Version", firmwareVersion);
    out += line("Head Check", headCheckOk ? "OK" : "NG");
    out += line("Print Counter", std::to_string(printCounterMetres) + " m");
    out += line("Service Counter", std::to_string(serviceCounterMetres) + " m");
    out += line("Cut Counter", std::to_string(cutCounter));
    out.append(kEndLine).append(kLineEnd);
    return out;
}

std::string SimPrinter::countersReply() const {
    std::string out;
    out += "Serial Number : " + serialNumber + "\r\n";
    out += "Print Counter Length " + std::to_string(printCounterMetres) + " m\r\n";
    out += "Service Counter Length " + std::to_string(serviceCounterMetres) + " m\r\n";
    out += "Cut Counter " + std::to_string(cutCounter) + "\r\n";
    return out;
}

std::string SimPrinter::statusReply(int emulationKind) const {
    const StatusFlags& s = status;
    switch (emulationKind) {
    case 0: {
        std::string flags = {'N', flag(s.paperError), flag(s.ribbonError),       flag(s.printing),
                             'N', flag(s.pause),      flag(s.waitingForPeeling), 'N'};
        return flags + "\r\n";
    }
    case 1: {
        std::string first = std::string(1, kStx) + "030," + digit(s.paperError) + "," +
                            digit(s.pause) + ",1245," + (s.printing ? "001" : "000") +
                            ",0,0,0,000,0,0,0" + kEtx + "\r\n";
        std::string second = std::string(1, kStx) + "001,0," + digit(s.headUp) + "," +
                             digit(s.ribbonError) + ",0,0,0," + digit(s.waitingForPeeling) + "," +
                             (s.printing ? "00000001" : "00000000") + ",0,000" + kEtx + "\r\n";
        return first + second;
    }
    default:
        return eplCodeOf(s) + "\r\n";
    }
}

std::string SimPrinter::calibrationReply() const {
    return calibrationFails ? "AUTO CALIBRATION : FAILED\r\n" : "AUTO CALIBRATION : SUCCEEDED\r\n";
}

} // namespace tessaline::sim
