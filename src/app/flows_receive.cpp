// Receive and Self Info.
#include "app/exchange.h"
#include "app/flow_codes.h"
#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "config/key_table.h"
#include "config/reply_checks.h"
#include "config/text_vocabulary.h"
#include "platform/code_page.h"
#include "platform/named_lock.h"
#include "transport/exchange_sizes.h"
#include "transport/request_catalogue.h"

#include <algorithm>
#include <thread>

namespace tessaline {

using namespace flow;

namespace {

// What the Easy page's request brings back that the Easy page shows; all other entries of that
// reply are dropped.
constexpr std::string_view kEasyReplyKeys[] = {"PRINT METHOD",      "CONTINUOUS MEDIA LENGTH",
                                               "VERTICAL POSITION", "MEDIA SENSOR",
                                               "FUNCTION SELECT",   "PAPER POSITION"};
// Secrets a printer reports are never kept, so a later Send does not write them back.
constexpr std::string_view kSecretKeys[] = {"WLAN WEP KEY 1", "WLAN WEP KEY 2", "WLAN WEP KEY 3",
                                            "WLAN WEP KEY 4", "WLAN PSK",       "EAP PASSWORD"};

constexpr const char* kReceiveTimeoutText = "Error: Receive timeout occured.";
constexpr const char* kReceiveTimeoutCaption = "Receive data";

void emptyRecord(SettingValue& value) {
    value.selected = 0;
    value.valueText.clear();
    value.unitText.clear();
    value.invalid = 0;
}

template <typename Keep> void emptyEntries(ConfigurationRecordSet& set, Keep keep) {
    for (int n = 0; n < kKeyEntryCount; ++n) {
        if (!keep(set.entry(n).key)) emptyRecord(set.entryRecord(n));
    }
}

// A configuration reply that filled the whole reply buffer without its last line was cut off:
// its last setting may be cut in the middle of its value, so none of it is taken.
bool cutOff(std::string_view reply) {
    const std::string endLine =
        std::string(kLineEnd) + std::string(kEndLine) + std::string(kLineEnd);
    return reply.size() >= kExchangeBufferSize && reply.find(endLine) == std::string_view::npos;
}

bool contains(std::span<const std::string_view> keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::vector<RequestKind> requestsForScope(int scope, bool statusOnly) {
    switch (scope) {
    case 0:
        return {RequestKind::StandardConfig};
    case 2:
        if (statusOnly) return {RequestKind::Status};
        return {RequestKind::Status, RequestKind::Counters};
    case 3:
        return {RequestKind::AdvancedConfig};
    default:
        return {RequestKind::AllConfig};
    }
}

} // namespace

void MainWindowModel::OnReceive() {
    const auto lock = NamedLock::TryAcquire(services_.receiveLockName);
    if (!lock) return; // another receive is running, here or in another program
    app_.records.modelIndex = model_;
    const bool statusOnly =
        receiveScope_ == static_cast<int>(ReceiveScope::Information) && information.statusOnly();
    if (!statusOnly && !ask(kConfirmReceiveMessage)) {
        if (receiveMode_ == kReceiveSelfInfo) receiveMode_ = kReceiveFailed;
        return;
    }
    information.clearForReceive();
    ClearConfiguration(app_.records);

    std::vector<RequestKind> requests;
    if (receiveMode_ == kReceiveSelfInfo) {
        requests = {RequestKind::MachineInfo, RequestKind::StandardConfig};
    } else {
        requests = requestsForScope(receiveScope_, statusOnly);
        receiveMode_ = kReceiveIdle;
    }
    bool mayDropFirstByte = true;
    for (const RequestKind kind : requests) {
        if (!receiveOne(kind, mayDropFirstByte)) {
            receiveMode_ = kReceiveFailed;
            return;
        }
    }
    if (receiveMode_ != kReceiveIdle) {
        showCode(kReceptionErrorCode);
        receiveMode_ = kReceiveFailed;
    }
}

bool MainWindowModel::receiveOne(RequestKind kind, bool& mayDropFirstByte) {
    ConfigurationRecordSet& records = app_.records;
    BuildRequest(records.configText, static_cast<int>(kind), static_cast<int>(emulationKind()));

    Exchange exchange(*this);
    if (const int code = exchange.open(OpenPurpose::Receive)) {
        showCode(code);
        return false;
    }
    if (!exchange.write(FrameForPrinter(static_cast<int>(kind), records.configText)).ok()) {
        exchange.finish();
        showCode(kTransferErrorCode);
        return false;
    }
    std::string reply;
    const bool received = exchange.read(kind, reply);
    exchange.finish();
    if (!received) {
        if (kind != RequestKind::Counters) showCode(kReceptionErrorCode);
        return false;
    }
    records.configText = fromAnsi(reply);

    switch (kind) {
    case RequestKind::Counters:
        ReadCounterReply(records);
        information.showCounters();
        return true;
    case RequestKind::Status:
        information.readStatus(static_cast<int>(emulationKind()), reply, region_);
        return true;
    case RequestKind::MachineInfo:
        machineInformation_ = records.configText;
        return true;
    default:
        break;
    }

    const std::string rawReply = records.configText;
    const RecognisedStream stream = recogniseConfigurationStream(reply, mayDropFirstByte);
    if (stream.firstByteDropped) mayDropFirstByte = false;
    if (!stream.recognised || cutOff(reply)) {
        showCode(kReplyErrorCode);
        return false;
    }
    records.configText = fromAnsi(stream.bytes);
    if (ParseConfigurationText(records, 1) != 0) {
        showCode(kReplyErrorCode);
        return true;
    }
    standard.checkAll(false);
    advanced.checkAll(false, advancedTabOn());
    easy.checkAll(false);
    checkAllBox_ = false;

    bool shown = true;
    if (kind == RequestKind::StandardConfig) {
        emptyEntries(records, [](std::string_view key) { return contains(kEasyReplyKeys, key); });
        shown = standard.load();
        easy.transferIn(standard.transferOut());
        if (receiveMode_ == kReceiveSelfInfo) {
            currentSettings_ = rawReply;
            receiveMode_ = kReceiveIdle;
        }
    } else if (kind == RequestKind::AllConfig) {
        ReadRfidCalibrationReply(records);
        emptyEntries(records, [](std::string_view key) { return !contains(kSecretKeys, key); });
        shown = standard.load();
        easy.transferIn(standard.transferOut());
    } else if (kind == RequestKind::AdvancedConfig && advancedTabOn()) {
        shown = advanced.load();
    }
    if (!shown) showCode(kReplyErrorCode);
    return true;
}

void MainWindowModel::OnSelfInfo() {
    receiveMode_ = kReceiveSelfInfo;
    OnReceive();
    for (int poll = 0; poll < services_.selfInfoPolls && receiveMode_ != kReceiveIdle &&
                       receiveMode_ != kReceiveFailed;
         ++poll)
        std::this_thread::sleep_for(services_.selfInfoPollInterval);
    if (receiveMode_ != kReceiveIdle && receiveMode_ != kReceiveFailed) {
        services_.prompter->showMessage(kReceiveTimeoutText, MessageStyle::ExclamationOk,
                                        kReceiveTimeoutCaption);
        receiveMode_ = kReceiveFailed;
    }
    if (receiveMode_ == kReceiveIdle && services_.showSelfInfo)
        services_.showSelfInfo(PrepareSelfInfoTexts(machineInformation_, currentSettings_));
    clearAllItemChecks();
}

} // namespace tessaline
