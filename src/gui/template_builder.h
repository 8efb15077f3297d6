#pragma once

#include "gui/dialog_template.h"
#include "gui/dialog_units.h"

#include <QHash>
#include <QWidget>

namespace tessaline::gui {

// The controls a template produced, by their ids.
class BuiltControls {
public:
    void add(int id, QWidget* widget) { widgets_.insert(id, widget); }
    QWidget* widget(int id) const { return widgets_.value(id, nullptr); }
    template <typename T> T* get(int id) const { return qobject_cast<T*>(widget(id)); }

private:
    QHash<int, QWidget*> widgets_;
};

// Creates the controls of `dialogTemplate` as children of `dialog`, each placed at its template
// position converted with `units`. Drop-down lists take the height of one line (their template
// height is that of the opened list). Returns the controls by id.
BuiltControls BuildDialog(QWidget* dialog, const DialogTemplate& dialogTemplate,
                          const DialogUnits& units);

} // namespace tessaline::gui
