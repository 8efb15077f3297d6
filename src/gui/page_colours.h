#pragma once

#include "pages/page_look.h"

#include <QColor>

class QWidget;

namespace tessaline::gui {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// Paints a page and its static texts and group boxes on the page background.
void UsePageBackground(QWidget* page);

// The text colour the model asks for; Default gives back the style's colour.
void SetTextColour(QWidget* widget, TextColour colour);

} // namespace tessaline::gui
