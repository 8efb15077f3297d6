#pragma once

#include "pages/row_page.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tessaline::gui {

class Ipv4Field;
class SpinEdit;

// One group box of a page: where its caption comes from, its rows in table order and the
// sub-group boxes it holds below them.
struct RowGroup {
    std::function<std::string()> caption;
    std::vector<int> rows;
    std::vector<RowGroup> parts = {};
};

// What a page does with the person's edits; each forwards to the page model's own rule.
struct RowActions {
    std::function<void(int row, bool checked)> check;
    std::function<void(int row, int index)> selectValue;
    std::function<void(int row, int index)> selectUnit;
    std::function<void(int row, const std::string& text)> type;
    std::function<void(int row, const std::array<int, 4>& address)> setAddress;
    std::function<void(int row)> valueEdited; // after each of the person's value edits
};

// When a view makes the controls of its group boxes: all as it is made, or each box's as the box
// first comes into view, for a page much taller than its tab.
enum class RowBuilding { AtOnce, OnDemand };

inline constexpr int kTwoRowsPerLine = 2; // the pages' usual layout

// The rows of a row page drawn in their group boxes, `rowsPerLine` to a line, in table order; the
// controls show the model and hand the person's edits to it. A label that does not fit beside the
// other controls of its line is wrapped.
class RowPageView : public QWidget {
    Q_OBJECT
public:
    RowPageView(const RowPage& page, std::vector<RowGroup> groups, RowActions actions,
                QWidget* parent = nullptr, int rowsPerLine = kTwoRowsPerLine,
                RowBuilding building = RowBuilding::AtOnce);

    // Shows the model's state in every control.
    void refresh();
    // Makes the controls of every group box that begins above `bottom`, in the view's
    // coordinates; with RowBuilding::OnDemand the scrolling page calls it as it moves the view.
    void reveal(int bottom);

    // A row's controls, made first when its box has not been seen yet.
    QCheckBox* checkBox(int row) { return built(row).check; }
    QComboBox* valueList(int row) { return built(row).values; }
    QComboBox* unitList(int row) { return built(row).units; }
    QWidget* edit(int row);

signals:
    void edited(); // after any edit of the person

protected:
    // The wheel over a list or spin that has no focus scrolls the page instead of changing it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab from a control of the view goes on into boxes not seen yet.
    bool focusNextPrevChild(bool next) override;

private:
    struct RowControls {
        QCheckBox* check = nullptr;
        QLabel* label = nullptr; // a row without check box
        QComboBox* values = nullptr;
        QComboBox* units = nullptr;
        QLineEdit* edit = nullptr;
        SpinEdit* spin = nullptr;
        Ipv4Field* address = nullptr;
        int column = 0;      // which row of its line
        int labelWidth = -1; // the widest the label may be; -1 without limit
    };
    // The rows of one box, laid out in one grid.
    struct Grid {
        QGridLayout* layout;
        std::vector<int> rows;
    };
    struct Caption {
        std::function<std::string()> text;
        QGroupBox* box;
    };
    // One group box of the view and whether its controls are made yet.
    struct Box {
        RowGroup group;
        QGroupBox* box;
        bool shown; // it has rows that the page shows
        bool built;
    };

    const RowControls& built(int row);
    void buildThrough(size_t box);
    void fill(Box& box);
    QGroupBox* makeBox(const RowGroup& group, QWidget* parent);
    void fillBox(const RowGroup& group, QGroupBox* box);
    bool hasShownRows(const RowGroup& group) const;
    int estimatedHeight(const RowGroup& group) const;
    int labelChrome(const QWidget* label);
    int labelTextWidth(const QWidget* label, const QString& text);
    void forgetMeasures();
    void buildRow(int row, QGridLayout* grid, int line, int column);
    void fitLabels();
    void fitLabels(const Grid& grid);
    int gridWidth(const QGridLayout* grid) const;
    void refreshLabel(int row);
    void refreshRow(int row);
    void valueEdited(int row);

    const RowPage& page_;
    std::vector<Caption> captions_;
    std::vector<Grid> grids_;
    std::vector<Box> boxes_;
    std::vector<int> boxOfRow_; // the box holding each row, -1 for none
    RowActions actions_;
    std::vector<RowControls> controls_;
    int rowsPerLine_;
    int fittedWidth_ = -1;
    QWidget* lastInTabOrder_ = nullptr; // the last control made that Tab reaches
    int checkChrome_ = -1;              // what a check box adds to its text's width
    QHash<QString, int> labelWidths_;   // row labels' text widths in the view's font
};

// Fills a combo with `items` when they differ from what it shows, and selects `index`.
void ShowList(QComboBox* combo, const std::vector<std::string>& items, int index);

} // namespace tessaline::gui
