#pragma once

#include <QFont>
#include <QRect>

namespace tessaline::gui {

// The average character size of a dialog's font, by which dialog units become pixels: a
// horizontal unit is a quarter of the width, a vertical unit an eighth of the height.
struct DialogUnits {
    int cx = 7;
    int cy = 14;

    int x(int units) const { return (units * cx + 2) / 4; }
    int y(int units) const { return (units * cy + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }
    // The window geometry below is in pixels of a 7 x 14 character cell; other fonts scale it.
    int px(int pixels) const { return (pixels * cx + 3) / 7; }
    int py(int pixels) const { return (pixels * cy + 7) / 14; }
};

// The character size of `font` measured as the dialog manager does it: the width of the 52
// Latin letters / 26, rounded half up and halved, and the font's line height.
DialogUnits DialogUnitsOf(const QFont& font);

// The dialog font of a template ("Tahoma", 9 points), falling back to the system's sans serif.
QFont DialogFont(const QString& family, int points);

// The dialog font with the face that shows the region's script (Simplified Chinese in its own).
QFont RegionFont(int region, const QFont& dialogFont);

} // namespace tessaline::gui
