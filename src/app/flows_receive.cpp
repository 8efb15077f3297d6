// Receive and Self Info.
#include "app/direct_choice.h"
#include "app/flow_codes.h"
#include "config/configuration_reader.h"
#include "config/configuration_stream.h"
#include "config/key_table.h"
#include "config/reply_checks.h"
#include "config/text_vocabulary.h"
#include "platform/code_page.h"
#include "platform/named_lock.h"
#include "text/messages.h"
#include "transport/request_catalogue.h"

#include <algorithm>

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

bool contains(std::span<const std::string_view> keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::vector<RequestKind> requestsForScope(ReceiveScope scope, bool statusOnly) {
    switch (scope) {
    case ReceiveScope::Easy:
        return {RequestKind::StandardConfig};
    case ReceiveScope::Information:
        if (statusOnly) return {RequestKind::Status};
        return {RequestKind::Status, RequestKind::Counters};
    case ReceiveScope::Advanced:
        return {RequestKind::AdvancedConfig};
    default:
        return {RequestKind::AllConfig};
    }
}

bool isConfigurationRequest(RequestKind kind) {
    return kind == RequestKind::StandardConfig || kind == RequestKind::AllConfig ||
           kind == RequestKind::AdvancedConfig;
}

} // namespace

void MainWindowModel::OnReceive() {
    // Held for the whole receive; another receive running, here or in another program, is said.
    const auto lock = NamedLock::TryAcquire(services_.receiveLockName);
    if (!lock) {
        if (lock.heldByAnother())
            ShowOwnMessage(*services_.prompter, region_, OwnMessage::ReceiveBusy);
        return;
    }
    app_.records.modelIndex = model_;
    const bool statusOnly = receiveScope_ == ReceiveScope::Information && information.statusOnly();
    if (!statusOnly && !ask(kConfirmReceiveMessage)) {
        if (receiveMode_ == ReceiveMode::SelfInfo) receiveMode_ = ReceiveMode::Failed;
        return;
    }
    information.clearForReceive();
    ClearConfiguration(app_.records);

    std::vector<RequestKind> requests;
    if (receiveMode_ == ReceiveMode::SelfInfo) {
        requests = {RequestKind::MachineInfo, RequestKind::StandardConfig};
    } else {
        requests = requestsForScope(receiveScope_, statusOnly);
        receiveMode_ = ReceiveMode::Idle;
    }
    bool mayDropFirstByte = true;
    for (const RequestKind kind : requests) {
        if (!receiveOne(kind, mayDropFirstByte)) {
            receiveMode_ = ReceiveMode::Failed;
            return;
        }
    }
    if (receiveMode_ != ReceiveMode::Idle) {
        showCode(kReceptionErrorCode);
        receiveMode_ = ReceiveMode::Failed;
    }
}

bool MainWindowModel::receiveOne(RequestKind kind, bool& mayDropFirstByte) {
    ConfigurationRecordSet& records = app_.records;
    BuildRequest(records.configText, static_cast<int>(kind), static_cast<int>(emulationKind()));

    DirectChoice choice(*this);
    if (isConfigurationRequest(kind)) {
        SessionResult<ConfigurationReply> received =
            choice.session().receiveConfiguration(kind, mayDropFirstByte);
        choice.restore();
        if (!received) {
            showCode(received.messageCode());
            return false;
        }
        if (received->stream.firstByteDropped) mayDropFirstByte = false;
        return showConfiguration(kind, *received);
    }

    SessionResult<std::string> reply = choice.session().request(kind, emulationKind());
    choice.restore();
    if (!reply) {
        // Counters that do not come end the receive without a word.
        if (kind != RequestKind::Counters || reply.error().cause != FailureCause::NoReply)
            showCode(reply.messageCode());
        return false;
    }
    records.configText = fromAnsi(*reply);
    switch (kind) {
    case RequestKind::Counters:
        ReadCounterReply(records);
        information.showCounters();
        break;
    case RequestKind::Status:
        information.readStatus(static_cast<int>(emulationKind()), *reply, region_);
        break;
    default: // machine information
        machineInformation_ = records.configText;
        break;
    }
    return true;
}

bool MainWindowModel::showConfiguration(RequestKind kind, const ConfigurationReply& received) {
    ConfigurationRecordSet& records = app_.records;
    const std::string rawReply = fromAnsi(received.reply);
    records.configText = fromAnsi(received.stream.bytes);
    ParseConfigurationText(records, ParseMode::Apply);
    standard.checkAll(false);
    advanced.checkAll(false, advancedTabOn());
    easy.checkAll(false);
    checkAllBox_ = false;

    bool shown = true;
    if (kind == RequestKind::StandardConfig) {
        emptyEntries(records, [](std::string_view key) { return contains(kEasyReplyKeys, key); });
        shown = standard.load();
        easy.transferIn(standard.transferOut());
        if (receiveMode_ == ReceiveMode::SelfInfo) {
            currentSettings_ = rawReply;
            receiveMode_ = ReceiveMode::Idle;
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
    receiveMode_ = ReceiveMode::SelfInfo;
    OnReceive();
    // A receive that could not start (another program holds the receive lock) ends here too.
    if (receiveMode_ == ReceiveMode::SelfInfo) receiveMode_ = ReceiveMode::Failed;
    if (receiveMode_ == ReceiveMode::Idle && services_.showSelfInfo)
        services_.showSelfInfo(PrepareSelfInfoTexts(machineInformation_, currentSettings_));
    clearAllItemChecks();
}

} // namespace tessaline
