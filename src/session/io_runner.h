#pragma once

#include <functional>
#include <string_view>

namespace tessaline {

// Runs one blocking step of a printer exchange (opening, sending, receiving, closing). The
// command line tool and the tests run it in place; the windows run it on a worker thread and keep
// painting while it lasts. `activity` says what is happening, for a progress display.
class IoRunner {
public:
    virtual ~IoRunner() = default;
    virtual void run(std::string_view activity, const std::function<void()>& work) = 0;
};

class InlineIoRunner final : public IoRunner {
public:
    void run(std::string_view, const std::function<void()>& work) override { work(); }
};

// The names of the steps, as a progress display shows them.
inline constexpr std::string_view kOpeningStep = "Opening the interface";
inline constexpr std::string_view kSendingStep = "Sending";
inline constexpr std::string_view kReceivingStep = "Receiving";
inline constexpr std::string_view kClosingStep = "Closing the interface";

} // namespace tessaline
