#pragma once

namespace tessaline {

// Why the channel's last open or connect failed.
enum class OpenFailureCause {
    None,                // the last open succeeded, or nothing was opened yet
    NoPortKind,          // the interface is no serial, parallel or USB port
    AlreadyOpen,         // a port or connection is open already
    NotFound,            // no device at that path
    Busy,                // another program holds the device
    PermissionDenied,    // this user may not open the device
    LineSettingsRefused, // no terminal, or the line refused its settings
    UsbPortNotConnected, // no connected USB printer port answers to the name
    HostUnknown,         // the host name does not resolve
    Unreachable,         // no echo reply, or no route to the host
    Refused,             // nobody listens on the printer's port
    ConnectTimeout,      // the connection was not made in time
    SystemError,         // any other refusal of the operating system; see osError
    Cancelled,           // another thread cancelled the open
};

struct OpenFailure {
    OpenFailureCause cause = OpenFailureCause::None;
    int osError = 0; // the operating system's error number, when it gave one

    friend bool operator==(const OpenFailure&, const OpenFailure&) = default;
};

} // namespace tessaline
