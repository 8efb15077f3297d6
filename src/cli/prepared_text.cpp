#include "cli/prepared_text.h"

#include "app/flow_codes.h"
#include "cli/commands.h"

namespace tessaline::cli {

int prepareText(ToolContext& tool, bool fromEasy) {
    SettingsEditor& editor = tool.editor();
    tool.clearRecords();
    if (fromEasy) editor.copyEasyToStandard();
    const EditResult prepared = editor.prepareConfiguration();
    if (!prepared.ok()) return tool.fail(prepared);
    editor.showPreparedValues(tool.advancedTabOn());
    return 0;
}

int sendPreparedText(ToolContext& tool) {
    if (!tool.ask(flow::kConfirmSendMessage)) return kDeclinedOrFailed;
    // A print queue takes the text as a print document; nothing moves to the port behind it.
    const SessionResult<Done> sent = tool.session().sendConfiguration(tool.records().configText);
    return sent ? 0 : tool.fail(sent.error());
}

} // namespace tessaline::cli
