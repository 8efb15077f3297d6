#include "cli/printer_receive.h"

#include "app/flow_codes.h"
#include "cli/commands.h"
#include "cli/run_reply.h"
#include "config/reply_checks.h"
#include "platform/code_page.h"
#include "platform/named_lock.h"
#include "session/receive_lock.h"
#include "session/refused_reply.h"
#include "text/messages.h"

#include <cstdio>
#include <functional>

namespace tessaline::cli {

namespace {

// A configuration the pages refused: code 32, and why (the printer's language, or the values).
int refusedReply(ToolContext& tool, std::string_view reply) {
    std::vector<std::string> keys;
    for (const RefusedSetting& setting : tool.editor().refusedSettings())
        keys.push_back(setting.key);
    return tool.fail(flow::kReplyErrorCode,
                     RefusedReplyDetail(reply, tool.model(), tool.session().interfaceText(), keys));
}

// Runs `receive` with the receive lock held, after the receive question unless `unasked`.
int underReceiveLock(ToolContext& tool, bool unasked, const std::function<int()>& receive) {
    const LockResult lock = NamedLock::TryAcquire(std::string(kReceiveLockName));
    if (!lock) {
        if (!lock.heldByAnother()) {
            // The lock's own detail names the path the system refused.
            tool.fail(flow::kReceptionErrorCode);
            std::fprintf(stderr, "tessaline-cli: %s\n", lock.error().detail.c_str());
            runReply().addDetail(lock.error().detail);
            return flow::kReceptionErrorCode;
        }
        ShowOwnMessage(tool.failurePrompter(), tool.region(), OwnMessage::ReceiveBusy);
        return flow::kReceptionErrorCode;
    }
    if (!unasked && !tool.ask(flow::kConfirmReceiveMessage)) return kDeclinedOrFailed;
    tool.clearRecords();
    return receive();
}

} // namespace

int receiveConfiguration(ToolContext& tool, RequestKind kind) {
    return underReceiveLock(tool, false, [&] {
        const SessionResult<ConfigurationReply> received =
            tool.session().receiveConfiguration(kind, true);
        if (!received) return tool.fail(received.error());
        if (!tool.editor().showReceived(kind, received->stream.bytes, tool.advancedTabOn()))
            return refusedReply(tool, received->reply);
        return 0;
    });
}

int receiveInformation(ToolContext& tool, bool statusOnly) {
    InformationPage& page = tool.editor().information;
    page.setStatusOnly(statusOnly);
    return underReceiveLock(tool, statusOnly, [&] {
        page.clearForReceive();
        const EmulationKind emulation = tool.emulation();
        const SessionResult<std::string> status =
            tool.session().request(RequestKind::Status, emulation);
        if (!status) return tool.fail(status.error());
        page.readStatus(emulation, *status, tool.region());
        if (statusOnly) return 0;
        const SessionResult<std::string> counters =
            tool.session().request(RequestKind::Counters, emulation);
        if (!counters) return tool.fail(counters.error());
        tool.records().configText = fromAnsi(*counters);
        ReadCounterReply(tool.records());
        page.showCounters();
        return 0;
    });
}

int receiveSelfInformation(ToolContext& tool, SelfInfoTexts& texts) {
    return underReceiveLock(tool, false, [&] {
        const SessionResult<std::string> machine =
            tool.session().request(RequestKind::MachineInfo, tool.emulation());
        if (!machine) return tool.fail(machine.error());
        const SessionResult<ConfigurationReply> settings =
            tool.session().receiveConfiguration(RequestKind::StandardConfig, true);
        if (!settings) return tool.fail(settings.error());
        if (!tool.editor().showReceived(RequestKind::StandardConfig, settings->stream.bytes,
                                        tool.advancedTabOn()))
            return refusedReply(tool, settings->reply);
        texts = PrepareSelfInfoTexts(fromAnsi(*machine), fromAnsi(settings->reply));
        return 0;
    });
}

} // namespace tessaline::cli
