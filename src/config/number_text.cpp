#include "config/number_text.h"

#include <algorithm>
#include <cstdlib>

namespace tessaline {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Brings the token to exactly `decimals` places, or fails.
std::optional<std::string> normalise(std::string_view token, int decimals) {
    // A "-" only first; one "." at most, with something other than the sign before it; and at
    // least one digit as written.
    std::size_t point = std::string_view::npos;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (token[i] == '-' && i != 0) return std::nullopt;
        if (token[i] == '.') {
            const std::size_t signs = token[0] == '-' ? 1 : 0;
            if (point != std::string_view::npos || i <= signs) return std::nullopt;
            point = i;
        }
    }
    if (std::none_of(token.begin(), token.end(), isDigit)) return std::nullopt;
    std::string text(token);
    if (point == std::string_view::npos) {
        if (decimals > 0) text.append(".").append(decimals, '0');
        return text;
    }
    if (decimals == 0) return std::nullopt;
    const std::size_t places = text.size() - point - 1;
    if (places < static_cast<std::size_t>(decimals)) {
        text.append(decimals - places, '0');
    } else if (places > static_cast<std::size_t>(decimals)) {
        const std::size_t keep = point + 1 + decimals;
        if (text.find_first_not_of('0', keep) != std::string::npos) return std::nullopt;
        text.resize(keep);
    }
    return text;
}

} // namespace

std::optional<int> readDigits(std::string_view token) {
    int value = 0;
    bool digits = false;
    bool negative = false;
    for (char c : token) {
        if (isDigit(c)) {
            value = value * 10 + (c - '0');
            if (value > kNumberLimit) return std::nullopt;
            digits = true;
        } else if (c == '-') {
            negative = true;
        } else if (c != '.') {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> readDecimal(std::string_view token, int decimals) {
    const auto text = normalise(token, decimals);
    if (!text) return std::nullopt;
    return readDigits(*text);
}

std::string formatScaled(int value, int decimals) {
    std::string text;
    const int magnitude = std::abs(value);
    if (value < 0) text.push_back('-');
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    text.append(std::to_string(magnitude / scale));
    if (decimals > 0) {
        std::string fraction = std::to_string(magnitude % scale);
        text.push_back('.');
        text.append(decimals - fraction.size(), '0').append(fraction);
    }
    return text;
}

} // namespace tessaline
