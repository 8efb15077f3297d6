#include "cli/run_reply.h"

#include <cstdio>

namespace tessaline::cli {

void RunReply::addData(const nlohmann::ordered_json& fields) {
    for (const auto& [key, value] : fields.items())
        data_[key] = value;
}

void RunReply::setMessage(const std::string& text) {
    if (!message_.empty()) return;
    // Line feeds alone, as on the terminal.
    message_ = text;
    std::erase(message_, '\r');
}

void RunReply::addDetail(const std::string& line) {
    if (line.empty()) return;
    if (!detail_.empty()) detail_ += '\n';
    detail_ += line;
}

nlohmann::ordered_json RunReply::object(int status) const {
    nlohmann::ordered_json out = {
        {"ok", status == 0}, {"code", status}, {"message", message_}, {"detail", detail_}};
    for (const auto& [key, value] : data_.items())
        out[key] = value;
    return out;
}

void RunReply::print(int status) const {
    const std::string text = jsonText(object(status)) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

RunReply& runReply() {
    static RunReply reply;
    return reply;
}

std::string jsonText(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace tessaline::cli
