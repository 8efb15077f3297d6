#include "app/exchange.h"

#include "app/flow_codes.h"
#include "transport/exchange_sizes.h"
#include "transport/selected_interface.h"

#include <vector>

namespace tessaline {

using namespace flow;

namespace {

bool isDirectKind(PortType type) {
    return type == PortType::Serial || type == PortType::Parallel || type == PortType::Usb ||
           type == PortType::Network;
}

} // namespace

int MainWindowModel::Exchange::open(OpenPurpose purpose) {
    InterfaceSettings& current = w.app_.current;
    DriverPort& driver = w.app_.driverPort;
    fromDriver = w.interfaces_.group() == InterfacePanel::DriverName;
    if (fromDriver) w.interfaces_.useDriverPort(current, driver);
    w.interfaces_.readInterfaceControls(current, driver);
    if (!isDirectKind(current.portType)) {
        finish();
        return kNoInterfaceCode;
    }
    selection = InterfacePanel::channelSelection(current, driver);
    bool ok = false;
    w.services_.io->run("Opening the interface", [&] {
        ok = OpenSelectedInterface(*w.services_.channel, selection, purpose);
    });
    opened = true; // a failed open may still hold a half-opened port: close it too
    if (!ok) {
        finish();
        return kOpenErrorCode;
    }
    return 0;
}

ChannelResult MainWindowModel::Exchange::write(std::string_view bytes) {
    CPortChannel& channel = *w.services_.channel;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto count = static_cast<uint32_t>(bytes.size());
    uint32_t done = 0;
    ChannelResult result = ChannelCode::InvalidHandle;
    w.services_.io->run("Sending", [&] {
        result = selection.kind == PortType::Network ? channel.SendSocket(count, data, &done)
                                                     : channel.WritePort(data, count, &done);
    });
    if (result.ok() && done != count) result = ChannelCode::Busy;
    return result;
}

bool MainWindowModel::Exchange::read(RequestKind completion, std::string& reply) {
    CPortChannel& channel = *w.services_.channel;
    std::vector<uint8_t> buffer(kExchangeBufferSize, 0);
    uint32_t count = 0;
    ChannelResult result = ChannelCode::InvalidHandle;
    w.services_.io->run("Receiving", [&] {
        result = selection.kind == PortType::Network
                     ? channel.ReceiveSocket(buffer, &count, static_cast<int>(completion))
                     : channel.ReadPort(buffer, &count, static_cast<int>(completion));
    });
    if (!result.ok() || count == 0 || count == kPeerClosedCount) return false;
    reply.assign(reinterpret_cast<const char*>(buffer.data()),
                 std::min<size_t>(count, buffer.size()));
    return true;
}

void MainWindowModel::Exchange::finish() {
    if (finished) return;
    finished = true;
    if (opened) {
        w.services_.io->run("Closing the interface",
                            [&] { CloseSelectedInterface(*w.services_.channel, selection); });
    }
    if (fromDriver) w.interfaces_.restoreDriverSelection(w.app_.current, w.app_.driverPort);
}

} // namespace tessaline
