#include "gui/compact_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tessaline::gui {

namespace {

constexpr int kTabCaptionSpace = 10;
constexpr int kListArrowWidth = 13;
constexpr int kListTextInset = 3;

// Fusion's group box frame, below the caption: a line with cut corners and a faint shade
// inside, darker along the line.
constexpr int kFrameTopMargin = 3;
const QColor kFrameLine(117, 117, 117, 50);
const QColor kFrameCorner(39, 39, 39, 13);
const QColor kFrameShade(0, 0, 0, 3);
const QColor kFrameInnerLine(0, 0, 0, 4);

bool IsFusion(const QStyle* style) {
    return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

// Fusion draws this frame from a picture, and reading the first picture loads every image
// format plugin there is, a few milliseconds at start-up; drawn here with plain fills instead,
// pixel for pixel as the picture lays it out.
void DrawFusionGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                             const QWidget* widget) {
    int top = kFrameTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, widget),
                        option.fontMetrics.height());
    // The picture leaves its first column and row empty; the line runs along the others' edge.
    const QRect line = option.rect.adjusted(1, top + 1, 0, 0);
    if (line.width() < 6 || line.height() < 6) return;
    const int l = line.left(), t = line.top(), r = line.right(), b = line.bottom();
    const auto fill = [&painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    fill(l + 1, t + 1, r - 1, b - 1, kFrameShade);
    fill(l + 2, t + 1, r - 2, t + 1, kFrameInnerLine);
    fill(l + 2, b - 1, r - 2, b - 1, kFrameInnerLine);
    fill(l + 1, t + 2, l + 1, b - 2, kFrameInnerLine);
    fill(r - 1, t + 2, r - 1, b - 2, kFrameInnerLine);
    fill(l + 1, t, r - 1, t, kFrameLine);
    fill(l + 1, b, r - 1, b, kFrameLine);
    fill(l, t + 1, l, b - 1, kFrameLine);
    fill(r, t + 1, r, b - 1, kFrameLine);
    for (const QPoint corner : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)})
        fill(corner.x(), corner.y(), corner.x(), corner.y(), kFrameCorner);
}

} // namespace

void CompactStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox && option && painter && IsFusion(baseStyle())) {
        DrawFusionGroupBoxFrame(*this, *option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_TabBarTabHSpace) return kTabCaptionSpace;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
        return rect;
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int spare = std::max(0, arrow.width() - kListArrowWidth);
    if (part == SC_ComboBoxArrow) return rect.adjusted(spare, 0, 0, 0);
    const int inset = std::max(0, rect.left() - option->rect.left() - kListTextInset);
    return rect.adjusted(-inset, 0, spare, 0);
}

void UseCompactStyle(QApplication& app) {
    app.setStyle(new CompactStyle);
}

} // namespace tessaline::gui
