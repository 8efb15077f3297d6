#pragma once

#include "text/region.h"
#include "text/text_tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// What happened, for people, as data: a phrase of the detail table and the values of its
// parameters. It is put into words only when shown, in the language of whoever reads it.
// A parameter holds a text (an address, a file name, a number) or another phrase (a printer
// language, why a value is refused); a phrase given as a parameter takes its own parameters
// from the same detail.
class ErrorDetail {
public:
    ErrorDetail() = default;
    explicit ErrorDetail(DetailPhrase phrase) : phrase_(phrase) {}

    ErrorDetail& text(std::string_view name, std::string value);
    ErrorDetail& number(std::string_view name, int64_t value);
    ErrorDetail& phrase(std::string_view name, DetailPhrase value);

    bool empty() const { return !phrase_; }
    std::optional<DetailPhrase> phrase() const { return phrase_; }
    bool has(std::string_view name) const { return find(name) != nullptr; }

    friend bool operator==(const ErrorDetail&, const ErrorDetail&) = default;

    struct Argument {
        std::string name;
        std::string text;
        std::optional<DetailPhrase> phrase; // shown instead of `text`
        friend bool operator==(const Argument&, const Argument&) = default;
    };
    const Argument* find(std::string_view name) const;

private:
    ErrorDetail& set(Argument argument);

    std::optional<DetailPhrase> phrase_;
    std::vector<Argument> arguments_;
};

// The detail in the region's language; empty for an empty detail. Text values are shown with
// their control characters escaped; a parameter without a value stays as its braced name.
std::string RenderDetail(const ErrorDetail& detail, Region region);

// The parameter names a phrase's text names, in their order, each as often as it occurs.
std::vector<std::string> DetailPlaceholders(std::string_view phraseText);

} // namespace tessaline
