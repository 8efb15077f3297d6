#pragma once

#include "gui/dialog_template.h"
#include "text/region.h"

#include <QChar>
#include <QString>

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

} // namespace tessaline::gui
