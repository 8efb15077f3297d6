#include "gui/compact_style.h"

#include <QApplication>
#include <QStyleOption>

#include <algorithm>

namespace tessaline::gui {

namespace {

constexpr int kTabCaptionSpace = 10;
constexpr int kListArrowWidth = 13;
constexpr int kListTextInset = 3;

} // namespace

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
