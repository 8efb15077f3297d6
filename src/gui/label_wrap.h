#pragma once

#include <QFontMetrics>
#include <QString>

namespace tessaline::gui {

// `text` broken into lines no wider than `width`: at spaces, and between the characters of a
// word in a script without spaces (CJK). A Latin word wider than `width` keeps its line.
QString WrapLabel(const QString& text, const QFontMetrics& metrics, int width);

// The width of the widest line of `text`.
int WidestLine(const QString& text, const QFontMetrics& metrics);

} // namespace tessaline::gui
