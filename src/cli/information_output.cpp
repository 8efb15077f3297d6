#include "cli/information_output.h"

#include "cli/run_reply.h"
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
        auto status = nlohmann::ordered_json::object();
        for (const auto& name : kStatusNames)
            if (shownGroup(page, name)) status[name.json] = page.status(name.text);
        nlohmann::ordered_json data = {{"status", std::move(status)}};
        if (withCounters) {
            auto counters = nlohmann::ordered_json::object();
            for (int k = 0; k < 4; ++k)
                counters[kCounterNames[k]] = page.counter(k);
            data["counters"] = std::move(counters);
        }
        runReply().addData(data);
        return;
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
