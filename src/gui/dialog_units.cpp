#include "gui/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

namespace tessaline::gui {

DialogUnits DialogUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.cx = (letters / 26 + 1) / 2;
    units.cy = metrics.height();
    if (units.cx <= 0) units.cx = 1;
    if (units.cy <= 0) units.cy = 1;
    return units;
}

QFont DialogFont(const QString& family, int points) {
    QFont font(family.isEmpty() ? QStringLiteral("Sans Serif") : family, points);
    font.setFamilies({family, QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont RegionFont(int region, const QFont& dialogFont) {
    // By region: English, Japanese, Simplified Chinese, Korean. English text still needs a CJK
    // face for the names of the other languages.
    static const char* const kCjkFaces[] = {"Noto Sans CJK JP", "Noto Sans CJK JP",
                                            "Noto Sans CJK SC", "Noto Sans CJK KR"};
    const char* face = region >= 0 && region < 4 ? kCjkFaces[region] : kCjkFaces[0];
    QFont font = dialogFont;
    QStringList families = dialogFont.families();
    families.removeAll(QString::fromLatin1(face));
    families.append(QString::fromLatin1(face));
    font.setFamilies(families);
    return font;
}

} // namespace tessaline::gui
