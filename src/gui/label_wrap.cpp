#include "gui/label_wrap.h"

#include <QStringList>

#include <algorithm>

namespace tessaline::gui {

namespace {

// Characters of scripts written without spaces, between which a line may break.
bool breaksAnywhere(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xAC00 && u <= 0xD7AF) ||
           (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

// The pieces between which a line may break; a piece keeps the space in front of it.
QStringList pieces(const QString& text) {
    QStringList out;
    QString current;
    for (QChar c : text) {
        const bool cut = (c == ' ' || breaksAnywhere(c) ||
                          (!current.isEmpty() && breaksAnywhere(current.back())));
        if (cut && !current.trimmed().isEmpty()) {
            out << current;
            current.clear();
        }
        current += c;
    }
    if (!current.isEmpty()) out << current;
    return out;
}

} // namespace

QString WrapLabel(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    QStringList lines;
    QString line;
    for (const QString& piece : pieces(text)) {
        const QString longer = line + piece;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        lines << line;
        line = piece.trimmed();
    }
    lines << line;
    return lines.join('\n');
}

int WidestLine(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace tessaline::gui
