#include "gui/row_page_view.h"

#include "gui/ipv4_field.h"
#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "gui/scrolling_page.h"
#include "gui/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaline::gui {

namespace {
// Grid columns of one row: label, value list and edit, unit list.
constexpr int kRowColumns = 3;
// Narrow lists and edits leave the labels their full width.
constexpr int kListCharacters = 5;
constexpr int kUnitCharacters = 3;
constexpr int kEditMinimumWidth = 40;
} // namespace

void ShowList(QComboBox* combo, const std::vector<std::string>& items, int index) {
    const QSignalBlocker block(combo);
    bool same = combo->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == qs(items[static_cast<size_t>(i)]);
    if (!same) {
        combo->clear();
        for (const std::string& item : items)
            combo->addItem(qs(item));
    }
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

RowPageView::RowPageView(const RowPage& page, std::vector<RowGroup> groups, RowActions actions,
                         QWidget* parent, int rowsPerLine)
    : QWidget(parent), page_(page), groups_(std::move(groups)), actions_(std::move(actions)),
      controls_(static_cast<size_t>(page.size())), rowsPerLine_(rowsPerLine) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 4, 3, 4);
    layout->setSpacing(6);
    for (const RowGroup& group : groups_) {
        auto* box = new QGroupBox(this);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(3, 2, 3, 2);
        grid->setHorizontalSpacing(3);
        grid->setVerticalSpacing(2);
        int shown = 0;
        for (int row : group.rows) {
            if (page_.row(row).hidden) continue;
            buildRow(row, grid, shown / rowsPerLine_, (shown % rowsPerLine_) * kRowColumns);
            ++shown;
        }
        for (int c = 0; c < rowsPerLine_; ++c)
            grid->setColumnStretch(c * kRowColumns + 1, 1);
        box->setVisible(shown > 0);
        layout->addWidget(box);
        groupBoxes_.push_back(box);
    }
    layout->addStretch(1);
    refresh();
}

void RowPageView::buildRow(int row, QGridLayout* grid, int line, int column) {
    const SettingRow& r = page_.row(row);
    RowControls& c = controls_[static_cast<size_t>(row)];
    QWidget* box = grid->parentWidget();
    if (r.checkBox) {
        c.check = new QCheckBox(box);
        c.check->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed); // labels never clip
        connect(c.check, &QCheckBox::toggled, this, [this, row](bool on) {
            actions_.check(row, on);
            refresh();
            emit edited();
        });
        grid->addWidget(c.check, line, column);
    } else {
        c.label = new QLabel(box);
        grid->addWidget(c.label, line, column);
    }
    // The value list and the edit share one cell; it takes the unit's cell too when there is none.
    auto* cell = new QHBoxLayout;
    cell->setSpacing(2);
    grid->addLayout(cell, line, column + 1, 1, r.hasUnitList() ? 1 : 2);
    if (r.hasValueList() && r.values != ValueList::Radio) {
        c.values = new QComboBox(box);
        c.values->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c.values->setMinimumContentsLength(kListCharacters);
        c.values->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(c.values, &QComboBox::activated, this, [this, row](int index) {
            actions_.selectValue(row, index);
            refresh();
            emit edited();
        });
        cell->addWidget(c.values, 1);
    }
    if (r.address) {
        c.address = new Ipv4Field(box);
        connect(c.address, &Ipv4Field::edited, this, [this, row] {
            actions_.setAddress(row, controls_[static_cast<size_t>(row)].address->address());
            emit edited();
        });
        cell->addWidget(c.address, 1);
    } else if (r.hasEdit() && r.spin) {
        c.spin = new SpinEdit(box);
        c.spin->setMinimumWidth(kEditMinimumWidth);
        c.spin->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        c.spin->setMaxLength(r.editMax);
        connect(c.spin, &SpinEdit::edited, this, [this, row](const QString& text) {
            actions_.type(row, us(text));
            emit edited();
        });
        cell->addWidget(c.spin, 1);
    } else if (r.hasEdit()) {
        c.edit = new QLineEdit(box);
        c.edit->setMinimumWidth(kEditMinimumWidth);
        c.edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        c.edit->setMaxLength(r.editMax);
        connect(c.edit, &QLineEdit::textEdited, this, [this, row](const QString& text) {
            actions_.type(row, us(text));
            emit edited();
        });
        cell->addWidget(c.edit, 1);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{c.values, c.spin})
        if (w) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
    if (r.hasUnitList()) {
        c.units = new QComboBox(box);
        c.units->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c.units->setMinimumContentsLength(kUnitCharacters);
        c.units->setFocusPolicy(Qt::StrongFocus);
        c.units->installEventFilter(this);
        connect(c.units, &QComboBox::activated, this, [this, row](int index) {
            actions_.selectUnit(row, index);
            refresh();
            emit edited();
        });
        grid->addWidget(c.units, line, column + 2);
    }
}

bool RowPageView::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || !widget || widget->hasFocus()) return false;
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* page = qobject_cast<ScrollingPage*>(up)) {
            QCoreApplication::sendEvent(page, event);
            return true;
        }
    }
    return false;
}

QWidget* RowPageView::edit(int row) const {
    const RowControls& c = controls_[static_cast<size_t>(row)];
    if (c.edit) return c.edit;
    if (c.spin) return c.spin;
    return c.address;
}

void RowPageView::refresh() {
    for (size_t g = 0; g < groups_.size(); ++g) {
        if (groups_[g].caption) groupBoxes_[g]->setTitle(qs(groups_[g].caption()));
    }
    for (int row = 0; row < page_.size(); ++row)
        refreshRow(row);
}

void RowPageView::refreshRow(int row) {
    const RowControls& c = controls_[static_cast<size_t>(row)];
    const RowState& s = page_.state(row);
    const SettingRow& r = page_.row(row);
    if (c.check) {
        const QSignalBlocker block(c.check);
        c.check->setText(qs(page_.label(row)));
        c.check->setToolTip(c.check->text()); // the whole label, also where the line is tight
        c.check->setChecked(s.checked);
        c.check->setEnabled(s.enabled);
        c.check->setVisible(!s.checkHidden && !r.hidden);
        SetTextColour(c.check, rowLabelColour(page_.red(row)));
    }
    if (c.label) {
        c.label->setText(qs(page_.label(row)));
        c.label->setEnabled(s.enabled);
    }
    if (c.values) {
        ShowList(c.values, s.items, s.valueIndex);
        c.values->setEnabled(s.enabled);
    }
    if (c.units) {
        ShowList(c.units, s.units, s.unitIndex);
        c.units->setEnabled(s.unitEnabled);
    }
    if (c.edit) {
        const QSignalBlocker block(c.edit);
        if (c.edit->text() != qs(s.editText)) c.edit->setText(qs(s.editText));
        c.edit->setEnabled(s.editEnabled);
    }
    if (c.spin) {
        const QSignalBlocker block(c.spin);
        c.spin->setRange(s.spinMin, s.spinMax);
        c.spin->setEditText(qs(s.editText));
        c.spin->setEnabled(s.editEnabled);
    }
    if (c.address) {
        const QSignalBlocker block(c.address);
        c.address->setAddress(s.address);
        c.address->setEnabled(s.enabled);
    }
}

} // namespace tessaline::gui
