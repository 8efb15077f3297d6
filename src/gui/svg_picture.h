#pragma once

#include <QPixmap>
#include <QString>

namespace tessaline::gui {

// A picture of the program's resources (an SVG drawing) at its own size.
QPixmap Picture(const QString& name);

} // namespace tessaline::gui
