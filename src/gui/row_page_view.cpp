#include "gui/row_page_view.h"

#include "gui/ipv4_field.h"
#include "gui/label_wrap.h"
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
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace tessaline::gui {

namespace {
// Grid columns of one row: label, value list and edit, unit list.
constexpr int kRowColumns = 3;
// Narrow lists and edits leave the labels their full width.
constexpr int kUnitCharacters = 3;
constexpr int kEditMinimumWidth = 40;

// Boxes made before the view has its place: the first, which always stands in view.
constexpr size_t kBoxesMadeAtOnce = 1;
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
                         QWidget* parent, int rowsPerLine, RowBuilding building)
    : QWidget(parent), page_(page), boxOfRow_(static_cast<size_t>(page.size()), -1),
      actions_(std::move(actions)), controls_(static_cast<size_t>(page.size())),
      rowsPerLine_(rowsPerLine) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 4, 3, 4);
    layout->setSpacing(6);
    for (RowGroup& group : groups) {
        Box box{std::move(group), makeBox(box.group, this), false, false};
        box.shown = hasShownRows(box.group);
        box.box->setVisible(box.shown);
        auto mark = [&](auto& self, const RowGroup& g) -> void {
            for (int row : g.rows)
                boxOfRow_[static_cast<size_t>(row)] = static_cast<int>(boxes_.size());
            for (const RowGroup& part : g.parts)
                self(self, part);
        };
        mark(mark, box.group);
        layout->addWidget(box.box);
        boxes_.push_back(std::move(box));
    }
    layout->addStretch(1);
    if (building == RowBuilding::AtOnce)
        buildThrough(boxes_.size());
    else
        buildThrough(std::min(kBoxesMadeAtOnce, boxes_.size()));
    // Boxes not made yet hold their place, so the page's scroll range is about right at once.
    for (Box& box : boxes_) {
        if (box.built) continue;
        auto* placeholder = new QVBoxLayout(box.box);
        placeholder->addSpacing(estimatedHeight(box.group));
    }
    refresh();
}

// Made in table order, so the boxes above a made box are always made too and nothing in view
// moves when a box further down is made.
void RowPageView::buildThrough(size_t count) {
    for (size_t k = 0; k < count && k < boxes_.size(); ++k)
        if (!boxes_[k].built) fill(boxes_[k]);
}

void RowPageView::fill(Box& box) {
    box.built = true;
    const size_t firstGrid = grids_.size();
    // Filled while hidden, so that showing the box again shows its new controls.
    box.box->hide();
    delete box.box->layout(); // the placeholder
    fillBox(box.group, box.box);
    box.box->setVisible(box.shown);
    // The new controls follow the ones made before them in the Tab order.
    for (QWidget* w : box.box->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
        if (lastInTabOrder_) QWidget::setTabOrder(lastInTabOrder_, w);
        lastInTabOrder_ = w;
    }
    for (size_t g = firstGrid; g < grids_.size(); ++g)
        for (int row : grids_[g].rows)
            refreshRow(row);
    if (fittedWidth_ < 0) return; // fitted when the view gets its place
    for (size_t g = firstGrid; g < grids_.size(); ++g) {
        fitLabels(grids_[g]);
        for (int row : grids_[g].rows)
            refreshLabel(row);
    }
}

void RowPageView::reveal(int bottom) {
    const auto* column = static_cast<const QVBoxLayout*>(layout());
    // A box whose caption alone is in view looks the same without its rows.
    const int caption = fontMetrics().height();
    int top = column->contentsMargins().top();
    for (size_t k = 0; k < boxes_.size() && top + caption < bottom; ++k) {
        if (!boxes_[k].shown) continue;
        if (!boxes_[k].built) buildThrough(k + 1);
        top += boxes_[k].box->sizeHint().height() + column->spacing();
    }
}

const RowPageView::RowControls& RowPageView::built(int row) {
    const int box = boxOfRow_[static_cast<size_t>(row)];
    if (box >= 0) buildThrough(static_cast<size_t>(box) + 1);
    return controls_[static_cast<size_t>(row)];
}

bool RowPageView::focusNextPrevChild(bool next) {
    if (next) buildThrough(boxes_.size());
    return QWidget::focusNextPrevChild(next);
}

bool RowPageView::hasShownRows(const RowGroup& group) const {
    for (int row : group.rows)
        if (!page_.row(row).hidden) return true;
    for (const RowGroup& part : group.parts)
        if (hasShownRows(part)) return true;
    return false;
}

// The height a box's rows will take: lines of list height, and the sub-group boxes below them.
int RowPageView::estimatedHeight(const RowGroup& group) const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    const int line =
        style()
            ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, fontMetrics().height()), this)
            .height();
    constexpr int kLineGap = 2, kGridMargins = 4, kPartChrome = 24;
    int rows = 0;
    for (int row : group.rows)
        rows += page_.row(row).hidden ? 0 : 1;
    const int lines = (rows + rowsPerLine_ - 1) / rowsPerLine_;
    int height = lines * (line + kLineGap) + kGridMargins;
    for (const RowGroup& part : group.parts)
        if (hasShownRows(part)) height += kPartChrome + estimatedHeight(part);
    return height;
}

QGroupBox* RowPageView::makeBox(const RowGroup& group, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    if (group.caption) box->setTitle(qs(group.caption()));
    captions_.push_back({group.caption, box});
    return box;
}

void RowPageView::fillBox(const RowGroup& group, QGroupBox* box) {
    auto* grid = new QGridLayout;
    QVBoxLayout* column = nullptr;
    if (group.parts.empty()) {
        box->setLayout(grid);
    } else {
        // The sub-group boxes stand below the box's own rows.
        column = new QVBoxLayout(box);
        column->setContentsMargins(3, 0, 3, 3);
        column->setSpacing(2);
        column->addLayout(grid);
    }
    grid->setContentsMargins(3, 2, 3, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    Grid placed{grid, {}};
    for (int row : group.rows) {
        if (page_.row(row).hidden) continue;
        const int shown = static_cast<int>(placed.rows.size());
        RowControls& c = controls_[static_cast<size_t>(row)];
        c.column = shown % rowsPerLine_;
        buildRow(row, grid, shown / rowsPerLine_, c.column * kRowColumns);
        placed.rows.push_back(row);
    }
    for (int c = 0; c < rowsPerLine_; ++c)
        grid->setColumnStretch(c * kRowColumns + 1, 1);
    grids_.push_back(std::move(placed));
    for (const RowGroup& part : group.parts) {
        QGroupBox* inner = makeBox(part, box);
        fillBox(part, inner);
        inner->setVisible(hasShownRows(part));
        column->addWidget(inner);
    }
}

// What a check box adds to the width of its text: the indicator and the gap; nothing for a label.
// The same for every check box of the view, so it is measured once.
int RowPageView::labelChrome(const QWidget* label) {
    const auto* box = qobject_cast<const QCheckBox*>(label);
    if (!box) return 0;
    if (checkChrome_ >= 0) return checkChrome_;
    const int chrome = box->sizeHint().width() - WidestLine(box->text(), QFontMetrics(box->font()));
    if (!box->text().isEmpty()) checkChrome_ = chrome; // without text there is no gap
    return chrome;
}

// The widths are measured once: the labels are measured to fit the columns and again when they
// are shown, and a label's text is shaped anew for each measure.
int RowPageView::labelTextWidth(const QWidget* label, const QString& text) {
    const auto known = labelWidths_.constFind(text);
    if (known != labelWidths_.cend()) return *known;
    const int width = QFontMetrics(label->font()).horizontalAdvance(text);
    labelWidths_.insert(text, width);
    return width;
}

void RowPageView::forgetMeasures() {
    checkChrome_ = -1;
    labelWidths_.clear();
}

void RowPageView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) forgetMeasures();
    QWidget::changeEvent(event);
}

void RowPageView::buildRow(int row, QGridLayout* grid, int line, int column) {
    const SettingRow& r = page_.row(row);
    RowControls& c = controls_[static_cast<size_t>(row)];
    QWidget* box = grid->parentWidget();
    if (r.checkBox) {
        c.check = new QCheckBox(box);
        // As wide as the label: the lists and edits take the rest of the line.
        c.check->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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
        // Lists keep the default size adjustment: choosing another one makes the list build its
        // pop-up at once, a cost every page would pay at start-up for each of its lists.
        c.values->setMinimumWidth(kEditMinimumWidth);
        c.values->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(c.values, &QComboBox::activated, this, [this, row](int index) {
            actions_.selectValue(row, index);
            valueEdited(row);
            refresh();
            emit edited();
        });
        cell->addWidget(c.values, 1);
    }
    if (r.address) {
        c.address = new Ipv4Field(box);
        connect(c.address, &Ipv4Field::edited, this, [this, row] {
            actions_.setAddress(row, controls_[static_cast<size_t>(row)].address->address());
            valueEdited(row);
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
            valueEdited(row);
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
            valueEdited(row);
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
        c.units->setMinimumContentsLength(kUnitCharacters);
        c.units->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); // its units never cut
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

QWidget* RowPageView::edit(int row) {
    const RowControls& c = built(row);
    if (c.edit) return c.edit;
    if (c.spin) return c.spin;
    return c.address;
}

void RowPageView::refresh() {
    forgetMeasures(); // measured again in the language's font
    for (const Caption& caption : captions_) {
        if (caption.text) caption.box->setTitle(qs(caption.text()));
    }
    fitLabels();
    for (int row = 0; row < page_.size(); ++row)
        refreshRow(row);
}

void RowPageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() == fittedWidth_) return;
    fitLabels();
    for (int row = 0; row < page_.size(); ++row)
        refreshLabel(row);
}

int RowPageView::gridWidth(const QGridLayout* grid) const {
    auto across = [](const QMargins& m) { return m.left() + m.right(); };
    int width = this->width() - across(layout()->contentsMargins());
    for (const QWidget* box = grid->parentWidget(); box && box != this; box = box->parentWidget()) {
        width -= across(box->contentsMargins());
        if (box->layout() != grid) width -= across(box->layout()->contentsMargins());
    }
    return width - across(grid->contentsMargins());
}

void RowPageView::fitLabels() {
    // Until the view has its place, its width says nothing about the room its lines have.
    if (!testAttribute(Qt::WA_Resized)) return;
    fittedWidth_ = width();
    for (const Grid& grid : grids_)
        fitLabels(grid);
}

// Each label column gets what the line leaves beside the narrowest the other controls may be;
// a column whose labels need less leaves the rest to the others.
void RowPageView::fitLabels(const Grid& grid) {
    const QGridLayout* layout = grid.layout;
    const int columns = rowsPerLine_ * kRowColumns;
    std::vector<int> least(static_cast<size_t>(columns), 0);
    std::vector<std::pair<int, int>> spans; // (first column, width) of items over two columns
    for (int i = 0; i < layout->count(); ++i) {
        int line, column, lines, span;
        layout->getItemPosition(i, &line, &column, &lines, &span);
        if (column % kRowColumns == 0) continue; // a label
        const int w = layout->itemAt(i)->minimumSize().width();
        if (span == 1)
            least[static_cast<size_t>(column)] = std::max(least[static_cast<size_t>(column)], w);
        else
            spans.emplace_back(column, w);
    }
    for (const auto& [column, w] : spans) {
        const int covered =
            least[static_cast<size_t>(column)] + least[static_cast<size_t>(column) + 1];
        if (w > covered) least[static_cast<size_t>(column)] += w - covered;
    }
    int space = gridWidth(layout) - layout->horizontalSpacing() * (columns - 1);
    for (int w : least)
        space -= w;

    std::vector<int> natural(static_cast<size_t>(rowsPerLine_), 0);
    for (int row : grid.rows) {
        const RowControls& c = controls_[static_cast<size_t>(row)];
        QWidget* label = c.check ? static_cast<QWidget*>(c.check) : c.label;
        const int need = labelChrome(label) + labelTextWidth(label, qs(page_.label(row)));
        natural[static_cast<size_t>(c.column)] =
            std::max(natural[static_cast<size_t>(c.column)], need);
    }
    // Narrow columns keep their width; the others share what is left.
    std::vector<int> limit(natural.size(), -1);
    int total = 0;
    for (int w : natural)
        total += w;
    if (total > space && space > 0) {
        std::vector<size_t> order(natural.size());
        for (size_t k = 0; k < order.size(); ++k)
            order[k] = k;
        std::sort(order.begin(), order.end(),
                  [&](size_t a, size_t b) { return natural[a] < natural[b]; });
        int left = space;
        for (size_t i = 0; i < order.size(); ++i) {
            const int share = left / static_cast<int>(order.size() - i);
            const size_t k = order[i];
            if (natural[k] <= share) {
                left -= natural[k];
            } else {
                limit[k] = share;
                left -= share;
            }
        }
    }
    for (int row : grid.rows) {
        RowControls& c = controls_[static_cast<size_t>(row)];
        c.labelWidth = limit[static_cast<size_t>(c.column)];
    }

    // Where the line has room, each row of it gets the same width, so that a long label on the
    // right does not leave its list narrower than the one on the left.
    int free = space;
    std::vector<int> part(natural.size(), 0); // label and unit list of each row of the line
    for (size_t k = 0; k < natural.size(); ++k) {
        const int label = limit[k] < 0 ? natural[k] : limit[k];
        part[k] = label + least[k * kRowColumns + 2];
        free -= label;
    }
    const int even =
        (space + static_cast<int>(std::accumulate(least.begin(), least.end(), 0))) / rowsPerLine_;
    for (size_t k = 0; k < natural.size(); ++k) {
        const int values = least[k * kRowColumns + 1];
        const int extra = std::clamp(even - part[k] - values, 0, std::max(free, 0));
        free -= extra;
        grid.layout->setColumnMinimumWidth(static_cast<int>(k) * kRowColumns + 1, values + extra);
    }
}

void RowPageView::refreshLabel(int row) {
    const RowControls& c = controls_[static_cast<size_t>(row)];
    QWidget* label = c.check ? static_cast<QWidget*>(c.check) : c.label;
    if (!label) return;
    const QString whole = qs(page_.label(row));
    const int room = c.labelWidth - labelChrome(label);
    const QString text = c.labelWidth < 0 || labelTextWidth(label, whole) <= room
                             ? whole
                             : WrapLabel(whole, QFontMetrics(label->font()), room);
    if (c.check) {
        c.check->setText(text);
        c.check->setToolTip(whole); // the whole label, also where the line is tight
    } else {
        c.label->setText(text);
    }
}

// The page hears of the edit; typing refreshes no other control, only the label's colour
// follows the row's mark.
void RowPageView::valueEdited(int row) {
    if (actions_.valueEdited) actions_.valueEdited(row);
    const RowControls& c = controls_[static_cast<size_t>(row)];
    if (c.check) SetTextColour(c.check, rowLabelColour(page_.red(row)));
}

void RowPageView::refreshRow(int row) {
    const RowControls& c = controls_[static_cast<size_t>(row)];
    const RowState& s = page_.state(row);
    const SettingRow& r = page_.row(row);
    refreshLabel(row);
    if (c.check) {
        const QSignalBlocker block(c.check);
        c.check->setChecked(s.checked);
        c.check->setEnabled(s.enabled);
        c.check->setVisible(!s.checkHidden && !r.hidden);
        SetTextColour(c.check, rowLabelColour(page_.red(row)));
    }
    if (c.label) c.label->setEnabled(s.enabled);
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
