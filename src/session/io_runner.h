#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace tessaline {

// What one call of a printer session does, as a progress display names it.
enum class ExchangeTask {
    SendConfiguration,
    Receive,
    SensorAdjustment,
    SelfTest,
    Sample,
    PrintFile,
};

// Runs one blocking step of a printer exchange (opening, sending, receiving, closing). The
// command line tool and the tests run it in place; the windows run it on a worker thread and keep
// painting while it lasts. `activity` says what is happening, for a progress display.
class IoRunner {
public:
    virtual ~IoRunner() = default;
    virtual void run(std::string_view activity, const std::function<void()>& work) = 0;

    // A session call begins; its steps follow until callEnded(). `cancel` ends the call early and
    // may be called from the runner's own thread while a step runs.
    virtual void callStarted(ExchangeTask, std::function<void()> /*cancel*/) {}
    // Bytes of a print file sent so far, of `total`.
    virtual void callProgress(uint64_t /*done*/, uint64_t /*total*/) {}
    virtual void callEnded() {}
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
