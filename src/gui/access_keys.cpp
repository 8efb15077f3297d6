#include "gui/access_keys.h"

#include <QPushButton>
#include <QStyle>

namespace tessaline::gui {

namespace {

// Where the key's letter is underlined in an English caption; -1 when it has none.
qsizetype keyPosition(const QString& caption, QChar key) {
    qsizetype first = -1;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at].toUpper() != key.toUpper()) continue;
        if (at == 0 || !caption[at - 1].isLetterOrNumber()) return at;
        if (first < 0) first = at;
    }
    return first;
}

} // namespace

QChar AccessKey(const TemplateControl& control, int tab) {
    if (control.kind == QLatin1String("tab")) {
        const QString prefix = QStringLiteral("keys=");
        for (const QString& word : control.style) {
            if (!word.startsWith(prefix)) continue;
            const QString keys = word.mid(prefix.size());
            return tab >= 0 && tab < keys.size() ? keys[tab] : QChar();
        }
        return {};
    }
    for (qsizetype at = 0; at + 1 < control.text.size(); ++at) {
        if (control.text[at] != QLatin1Char('&')) continue;
        if (control.text[at + 1] != QLatin1Char('&')) return control.text[at + 1].toUpper();
        ++at; // "&&" is an ampersand
    }
    return {};
}

QString WithAccessKey(const QString& caption, QChar key, Region region) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (key.isNull()) return text;
    if (region == Region::English) {
        const qsizetype at = keyPosition(caption, key);
        if (at >= 0) {
            // Each ampersand before the letter was doubled.
            const qsizetype doubled = caption.left(at).count(QLatin1Char('&'));
            return text.insert(at + doubled, QLatin1Char('&'));
        }
    }
    const QString marked = QStringLiteral("(&") + key.toUpper() + QLatin1Char(')');
    static const QString kEllipsis = QStringLiteral("...");
    if (text.endsWith(kEllipsis)) return text.insert(text.size() - kEllipsis.size(), marked);
    return text + marked;
}

void FitButtonCaption(QPushButton* button, const QString& caption, double smallestPoints) {
    button->setText(caption);
    QFont font = button->parentWidget() ? button->parentWidget()->font() : button->font();
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    const int room = button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    while (QFontMetrics(font).horizontalAdvance(shown) > room &&
           font.pointSizeF() - 0.5 >= smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
}

} // namespace tessaline::gui
