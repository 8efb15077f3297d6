#pragma once

#include <QProxyStyle>

class QApplication;

namespace tessaline::gui {

// The platform style with the room the dialog layouts were drawn for: the window's tabs are as
// narrow as the dialog manager's, so that all six stand left of the "TAB Check All" box, and a
// list's drop-down arrow is as narrow, so that a value such as "STANDARD" fits the lists the
// templates place. Under Fusion it draws the group box frame itself (see drawPrimitive).
class CompactStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// Gives `app` the compact style; the application owns it.
void UseCompactStyle(QApplication& app);

} // namespace tessaline::gui
