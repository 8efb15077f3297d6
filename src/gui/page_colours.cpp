#include "gui/page_colours.h"

#include <QWidget>

namespace tessaline::gui {

void UsePageBackground(QWidget* page) {
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, ToQColor(kPageBackground));
    page->setPalette(palette);
    page->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, TextColour colour) {
    QPalette palette = widget->palette();
    QColor text = widget->parentWidget()
                      ? widget->parentWidget()->palette().color(QPalette::WindowText)
                      : QPalette().color(QPalette::WindowText);
    if (colour == TextColour::Red) text = ToQColor(kRedText);
    if (colour == TextColour::Blue) text = ToQColor(kBlueText);
    if (palette.color(QPalette::WindowText) == text) return;
    // The disabled colours stay those of the style, so a disabled row is still greyed.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

} // namespace tessaline::gui
