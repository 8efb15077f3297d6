#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessaline::gui {

// One control of a dialog template: its id, kind, text, place and size in dialog units, style.
struct TemplateControl {
    int id = 0;
    QString kind; // static, picture, combo, group, radio, button, check, edit, memo, ipv4, tab
    QString text;
    int x = 0, y = 0, width = 0, height = 0;
    // sorted, hidden, disabled, default, digits, group, limit=N, right (static text aligned
    // right), lefttext (check box caption left of the box), readonly
    QStringList style;

    bool has(const QString& word) const { return style.contains(word); }
    // The number of a "name=N" style word; 0 when absent.
    int number(const QString& name) const;
};

// A dialog template as the data file in resources/templates/ describes it.
struct DialogTemplate {
    QString title;
    int width = 0, height = 0; // dialog units
    QString fontFamily;
    int fontPoints = 9;
    std::vector<TemplateControl> controls;

    const TemplateControl* control(int id) const;
};

// Reads a template text: lines of tab-separated fields, "#" comments; the first line of kind
// "dialog" gives the title, the size and the font. Nothing when a line is malformed.
std::optional<DialogTemplate> ParseDialogTemplate(const QString& text, QString* error = nullptr);

// The template compiled into the program under `name` ("main_window", "com_settings").
const DialogTemplate& CompiledTemplate(const QString& name);

} // namespace tessaline::gui
