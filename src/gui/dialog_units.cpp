#include "gui/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

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
    QStringList families = {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    families.removeAll(QString());
    // The first installed face alone: faces named before it would be looked for, and missed,
    // for every font made from this one (the template's face is often a Windows face), and
    // text it cannot show falls back the same way without the ones after it.
    const QStringList present = QFontDatabase::families();
    const auto installed =
        std::find_if(families.begin(), families.end(), [&present](const QString& f) {
            return present.contains(f, Qt::CaseInsensitive);
        });
    if (installed != families.end()) families = {*installed};
    QFont font(families.front(), points);
    font.setFamilies(families);
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
