#include "gui/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tessaline::gui {

QPixmap Picture(const QString& name) {
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace tessaline::gui
