#include "gui/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tessaline::gui {

namespace {
QString resourcePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}
} // namespace

QPixmap Picture(const QString& name) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) return {};
    return Picture(name, renderer.defaultSize());
}

QPixmap Picture(const QString& name, QSize size) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid() || size.isEmpty()) return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace tessaline::gui
