#pragma once

#include "session/session_error.h"

#include <utility>
#include <variant>

namespace tessaline {

// An operation that needs to return nothing but whether it worked.
struct Done {};

// The value of a printer operation, or why there is none.
template <typename T> class SessionResult {
public:
    SessionResult(T value) : state_(std::move(value)) {}            // NOLINT: a value is a result
    SessionResult(SessionError error) : state_(std::move(error)) {} // NOLINT: so is an error

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const SessionError& error() const { return std::get<SessionError>(state_); }
    // The message code to show; none when the operation worked or was cancelled.
    int messageCode() const { return ok() ? code::kNone : error().messageCode; }
    bool cancelled() const { return !ok() && error().cause == FailureCause::Cancelled; }

private:
    std::variant<T, SessionError> state_;
};

} // namespace tessaline
