#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace tessaline::cli {

// The one JSON object a run of the tool answers with under --json: whether it worked, its exit
// status, the coded message and the detail lines of a failure, and the command's data. The
// commands fill it as they go; main prints it once at the end, whatever the outcome.
class RunReply {
public:
    // Fields of the command's data, beside ok, code, message and detail.
    void addData(const nlohmann::ordered_json& fields);
    // The failure's message, with LF line ends; the first one stays (later ones follow from it).
    void setMessage(const std::string& text);
    // One more detail line; several are joined with line feeds.
    void addDetail(const std::string& line);

    // The object for exit status `status` (0 for success).
    nlohmann::ordered_json object(int status) const;
    // Writes the object on standard output, on one line.
    void print(int status) const;

private:
    nlohmann::ordered_json data_ = nlohmann::ordered_json::object();
    std::string message_;
    std::string detail_;
};

// The reply of this run of the program (the tool runs one command per process).
RunReply& runReply();

// JSON text of `value`; bytes that are not UTF-8 are replaced rather than refused.
std::string jsonText(const nlohmann::ordered_json& value);

} // namespace tessaline::cli
