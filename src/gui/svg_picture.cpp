#include "gui/svg_picture.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <utility>

namespace tessaline::gui {

namespace {
QString resourcePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

// Draws the drawing into `place`; false when there is no such drawing.
bool Draw(const QString& name, QPainter& painter, const QRectF& place) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) return false;
    renderer.render(&painter, place);
    return true;
}

class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString name) : name_(std::move(name)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        Draw(name_, *painter, QRectF(rect));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return Picture(name_, size);
    }
    QIconEngine* clone() const override { return new PictureIconEngine(name_); }
    QString key() const override { return QStringLiteral("tessaline-picture"); }
    bool isNull() override { return !QSvgRenderer(resourcePath(name_)).isValid(); }

private:
    QString name_;
};

} // namespace

QPixmap Picture(const QString& name) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) return {};
    return Picture(name, renderer.defaultSize());
}

QPixmap Picture(const QString& name, QSize size) {
    if (size.isEmpty()) return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (!Draw(name, painter, QRectF(QPointF(0, 0), QSizeF(size)))) return {};
    return pixmap;
}

QIcon PictureIcon(const QString& name) {
    return QIcon(new PictureIconEngine(name));
}

} // namespace tessaline::gui
