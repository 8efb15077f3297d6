#include "text/error_detail.h"

#include "text/visible_text.h"

namespace tessaline {

namespace {

// Calls `onText` for each run of plain text and `onName` for each braced parameter name.
template <typename OnText, typename OnName>
void walkPhrase(std::string_view text, OnText onText, OnName onName) {
    while (!text.empty()) {
        const size_t open = text.find('{');
        const size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            onText(text);
            return;
        }
        onText(text.substr(0, open));
        onName(text.substr(open + 1, close - open - 1));
        text.remove_prefix(close + 1);
    }
}

std::string renderPhrase(const ErrorDetail& detail, DetailPhrase phrase, Region region,
                         bool nested) {
    std::string out;
    walkPhrase(
        DetailPhraseText(phrase, region), [&](std::string_view text) { out += text; },
        [&](std::string_view name) {
            const ErrorDetail::Argument* argument = detail.find(name);
            if (!argument) {
                out += '{';
                out += name;
                out += '}';
            } else if (argument->phrase && !nested) {
                out += renderPhrase(detail, *argument->phrase, region, true);
            } else {
                out += VisibleText(argument->text, false);
            }
        });
    return out;
}

} // namespace

ErrorDetail& ErrorDetail::set(Argument argument) {
    for (Argument& known : arguments_) {
        if (known.name == argument.name) {
            known = std::move(argument);
            return *this;
        }
    }
    arguments_.push_back(std::move(argument));
    return *this;
}

ErrorDetail& ErrorDetail::text(std::string_view name, std::string value) {
    return set({std::string(name), std::move(value), std::nullopt});
}

ErrorDetail& ErrorDetail::number(std::string_view name, int64_t value) {
    return set({std::string(name), std::to_string(value), std::nullopt});
}

ErrorDetail& ErrorDetail::phrase(std::string_view name, DetailPhrase value) {
    return set({std::string(name), {}, value});
}

const ErrorDetail::Argument* ErrorDetail::find(std::string_view name) const {
    for (const Argument& argument : arguments_)
        if (argument.name == name) return &argument;
    return nullptr;
}

std::string RenderDetail(const ErrorDetail& detail, Region region) {
    if (!detail.phrase()) return {};
    return renderPhrase(detail, *detail.phrase(), region, false);
}

std::vector<std::string> DetailPlaceholders(std::string_view phraseText) {
    std::vector<std::string> names;
    walkPhrase(
        phraseText, [](std::string_view) {},
        [&](std::string_view name) { names.emplace_back(name); });
    return names;
}

} // namespace tessaline
