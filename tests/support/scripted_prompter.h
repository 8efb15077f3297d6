#pragma once

// A person who answers every question from a script and writes down everything shown.

#include "app/prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedPrompter : public tessaline::Prompter {
public:
    struct Shown {
        std::string text;
        tessaline::MessageStyle style;
        std::string caption;
        bool question;
    };

    // Answers for the next questions; when the script runs out, the answer is `fallback`.
    std::deque<bool> answers;
    bool fallback = true;
    std::deque<std::optional<std::string>> files;
    std::vector<Shown> shown;
    std::vector<tessaline::FileChoice> fileDialogs;

    tessaline::MessageButton askYesNo(const std::string& text,
                                      tessaline::MessageStyle style) override {
        shown.push_back({text, style, {}, true});
        bool yes = fallback;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        return yes ? tessaline::MessageButton::Yes : tessaline::MessageButton::No;
    }
    void showMessage(const std::string& text, tessaline::MessageStyle style,
                     const std::string& caption) override {
        shown.push_back({text, style, caption, false});
    }
    std::optional<std::string> chooseFile(const tessaline::FileChoice& choice) override {
        fileDialogs.push_back(choice);
        if (files.empty()) return std::nullopt;
        auto file = files.front();
        files.pop_front();
        return file;
    }

    // The messages (not questions) shown, in order.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& s : shown) {
            if (!s.question) texts.push_back(s.text);
        }
        return texts;
    }
    int questions() const {
        int n = 0;
        for (const auto& s : shown)
            n += s.question ? 1 : 0;
        return n;
    }
};
