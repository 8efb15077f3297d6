#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace tessaline::gui {

// A picture of the program's resources (an SVG drawing) at its own size.
QPixmap Picture(const QString& name);

// The same drawing scaled to `size`; the parts it leaves uncovered stay transparent.
QPixmap Picture(const QString& name, QSize size);

} // namespace tessaline::gui
