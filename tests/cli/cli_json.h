#pragma once

// The JSON object tessaline-cli --json prints; a discarded value when the output is not one
// JSON text.

#include <nlohmann/json.hpp>

#include <string>

inline nlohmann::json parsedJson(const std::string& text) {
    return nlohmann::json::parse(text, nullptr, false);
}
