#include "cli/information_output.h"

#include "cli/json_text.h"
#include "text/visible_text.h"

#include <cstdio>
#include <string>

namespace tessaline::cli {

namespace {

struct StatusName {
    StatusText text;
    const char* json;
    bool epl; // shown in the EPL group, else in the DMX/ZPL group
};
constexpr StatusName kStatusNames[] = {
    {StatusText::PaperError, "paperError", false},
    {StatusText::RibbonError, "ribbonError", false},
    {StatusText::Printing, "printing", false},
    {StatusText::Pause, "pause", false},
    {StatusText::WaitingForPeeling, "waitingForPeeling", false},
    {StatusText::ErrorCode, "errorCode", true},
    {StatusText::ErrorMessage, "errorMessage", true},
};
constexpr const char* kCounterNames[] = {"serialNumber", "printCounter", "serviceCounter",
                                         "cutCounter"};

bool shownGroup(const InformationPage& page, const StatusName& name) {
    return name.epl ? page.eplStatusGroupEnabled() : page.printerStatusGroupEnabled();
}

} // namespace

void printInformation(const InformationPage& page, bool withCounters, bool json) {
    std::string out;
    if (json) {
        out = "{\"status\": {";
        bool first = true;
        for (const auto& name : kStatusNames) {
            if (!shownGroup(page, name)) continue;
            out += std::string(first ? "" : ", ") + "\"" + name.json +
                   "\": " + jsonQuoted(page.status(name.text));
            first = false;
        }
        out += "}";
        if (withCounters) {
            out += ", \"counters\": {";
            for (int k = 0; k < 4; ++k)
                out += std::string(k ? ", " : "") + "\"" + kCounterNames[k] +
                       "\": " + jsonQuoted(page.counter(k));
            out += "}";
        }
        out += "}\n";
    } else {
        for (const auto& name : kStatusNames) {
            if (!shownGroup(page, name)) continue;
            if (name.text == StatusText::ErrorMessage) {
                out.pop_back(); // the message stands on the error code's line
                out += " " + VisibleText(page.status(name.text), false) + "\n";
                continue;
            }
            out += page.statusLabel(name.text) + VisibleText(page.status(name.text), false) + "\n";
        }
        if (withCounters) {
            for (int k = 0; k < 4; ++k)
                out += page.counterLabel(k) + VisibleText(page.counter(k), false) + "\n";
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace tessaline::cli
