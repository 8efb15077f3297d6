#pragma once

// An exchange runner that keeps a log of the exchanges it was asked to run: it runs them itself,
// on the calling thread, or hands them to the runner it wraps (the window's own).

#include "session/io_runner.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class RecordingIoRunner final : public tessaline::IoRunner {
public:
    RecordingIoRunner() = default;
    explicit RecordingIoRunner(tessaline::IoRunner& inner) : inner_(&inner) {}

    void run(std::string_view activity, const std::function<void()>& work) override {
        activities.emplace_back(activity);
        if (inner_)
            inner_->run(activity, work);
        else
            work();
    }
    void callStarted(tessaline::ExchangeTask task, std::function<void()> cancel) override {
        if (inner_) inner_->callStarted(task, std::move(cancel));
    }
    void callProgress(uint64_t done, uint64_t total) override {
        if (inner_) inner_->callProgress(done, total);
    }
    void callEnded() override {
        if (inner_) inner_->callEnded();
    }
    int count(std::string_view activity) const {
        int n = 0;
        for (const auto& a : activities)
            n += a == activity ? 1 : 0;
        return n;
    }
    std::vector<std::string> activities;

private:
    tessaline::IoRunner* inner_ = nullptr;
};
