#include "cli/flow_recorder.h"

#include <cctype>
#include <string_view>

namespace tessaline::cli {

namespace {
constexpr std::string_view kCodeLead = "code : ";
} // namespace

int messageCode(const std::string& text) {
    if (!text.starts_with(kCodeLead)) return 0;
    int code = 0;
    size_t digits = 0;
    for (size_t i = kCodeLead.size(); i < text.size() && digits < 3; ++i, ++digits) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!std::isdigit(c)) break;
        code = code * 10 + (c - '0');
    }
    return digits > 0 ? code : 0;
}

MessageButton FlowRecorder::askYesNo(const std::string& text, MessageStyle style) {
    if (scripted_) {
        const bool yes = *scripted_;
        scripted_.reset();
        scriptedUsed_ = true;
        return yes ? MessageButton::Yes : MessageButton::No;
    }
    const MessageButton answer = terminal_.askYesNo(text, style);
    if (answer != MessageButton::Yes) declined_ = true;
    return answer;
}

void FlowRecorder::showMessage(const std::string& text, MessageStyle style,
                               const std::string& caption) {
    terminal_.showMessage(text, style, caption);
    if (code_ == 0) code_ = messageCode(text);
    if (!failureMessage_.empty() && text == failureMessage_) reportedFailure_ = true;
}

std::optional<std::string> FlowRecorder::chooseFile(const FileChoice& choice) {
    return terminal_.chooseFile(choice);
}

bool FlowRecorder::takeScriptedAnswerUsed() {
    const bool used = scriptedUsed_;
    scriptedUsed_ = false;
    scripted_.reset();
    return used;
}

int FlowRecorder::exitStatus() const {
    if (code_ != 0) return code_;
    if (declined_ || reportedFailure_) return kDeclinedOrFailed;
    return 0;
}

} // namespace tessaline::cli
