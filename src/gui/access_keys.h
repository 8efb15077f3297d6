#pragma once

#include "gui/dialog_template.h"
#include "text/region.h"

#include <QChar>
#include <QString>

class QPushButton;

namespace tessaline::gui {

// The access key a template gives a control: the letter after the "&" of its English text; a
// tab bar's style "keys=YNF…" gives one to each tab, in tab order. A null character when there is
// none.
QChar AccessKey(const TemplateControl& control, int tab = 0);

// A caption with its access key marked for Alt+key. In English the key's letter in the caption
// is underlined (the first one that begins a word, else the first one); where the caption has no
// such letter, and always in Japanese, Chinese and Korean, "(&K)" follows the caption, before a
// trailing "...". An ampersand of the caption itself stays a plain ampersand.
QString WithAccessKey(const QString& caption, QChar key, Region region);

// Shows `caption` on a push button of fixed size: where the caption with its style's margins is
// wider than the button, the button's font is made smaller, to no less than `smallestPoints`,
// until it fits. A caption that fits keeps the button's parent's font.
void FitButtonCaption(QPushButton* button, const QString& caption, double smallestPoints);

} // namespace tessaline::gui
