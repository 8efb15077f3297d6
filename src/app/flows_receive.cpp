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
#include "session/refused_reply.h"
#include "text/messages.h"
#include "transport/request_catalogue.h"

#include <algorithm>

namespace tessaline {

using namespace flow;

namespace {

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
        return;
    }
    reportDone(
        ErrorDetail(DetailPhrase::Received).text("interface", services_.session->interfaceText()));
}

bool MainWindowModel::receiveOne(RequestKind kind, bool& mayDropFirstByte) {
    ConfigurationRecordSet& records = app_.records;
    BuildRequest(records.configText, kind, emulationKind());

    DirectChoice choice(*this);
    if (isConfigurationRequest(kind)) {
        SessionResult<ConfigurationReply> received =
            choice.session().receiveConfiguration(kind, mayDropFirstByte);
        const std::string where = choice.session().interfaceText();
        choice.restore();
        if (!received) {
            showError(received.error());
            return false;
        }
        if (received->stream.firstByteDropped) mayDropFirstByte = false;
        return showConfiguration(kind, *received, where);
    }

    SessionResult<std::string> reply = choice.session().request(kind, emulationKind());
    choice.restore();
    if (!reply) {
        // Counters that do not come end the receive without a word.
        if (kind != RequestKind::Counters || reply.error().cause != FailureCause::NoReply)
            showError(reply.error());
        return false;
    }
    records.configText = fromAnsi(*reply);
    switch (kind) {
    case RequestKind::Counters:
        ReadCounterReply(records);
        information.showCounters();
        break;
    case RequestKind::Status:
        information.readStatus(emulationKind(), *reply, region_);
        break;
    default: // machine information
        machineInformation_ = records.configText;
        break;
    }
    return true;
}

bool MainWindowModel::showConfiguration(RequestKind kind, const ConfigurationReply& received,
                                        const std::string& where) {
    const bool shown = editor_.showReceived(kind, received.stream.bytes, advancedTabOn());
    checkAllBox_ = false;
    if (kind == RequestKind::StandardConfig && receiveMode_ == ReceiveMode::SelfInfo) {
        currentSettings_ = fromAnsi(received.reply);
        receiveMode_ = ReceiveMode::Idle;
    }
    if (!shown) {
        std::vector<std::string> keys;
        for (const RefusedSetting& setting : editor_.refusedSettings())
            keys.push_back(setting.key);
        showError(kReplyErrorCode, RefusedReplyDetail(received.reply, model_, where, keys));
    }
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
