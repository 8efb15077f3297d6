#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tessaline::gui {

// A picture of the program's resources (an SVG drawing) at its own size.
QPixmap Picture(const QString& name);

// The same drawing scaled to `size`; the parts it leaves uncovered stay transparent.
QPixmap Picture(const QString& name, QSize size);

// An icon of the drawing, drawn at whatever size is asked for when it is asked for. Unlike an
// icon read from the file, it needs no icon engine plugin, which would be loaded at start-up
// for the window icon.
QIcon PictureIcon(const QString& name);

} // namespace tessaline::gui
