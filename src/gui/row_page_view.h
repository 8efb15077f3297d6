#pragma once

#include "pages/row_page.h"

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
};

// The rows of a row page drawn in their group boxes, `rowsPerLine` to a line, in table order; the
// controls show the model and hand the person's edits to it. A label that does not fit beside the
// other controls of its line is wrapped.
class RowPageView : public QWidget {
    Q_OBJECT
public:
    RowPageView(const RowPage& page, std::vector<RowGroup> groups, RowActions actions,
                QWidget* parent = nullptr, int rowsPerLine = 2);

    // Shows the model's state in every control.
    void refresh();

    QCheckBox* checkBox(int row) const { return controls_[row].check; }
    QComboBox* valueList(int row) const { return controls_[row].values; }
    QComboBox* unitList(int row) const { return controls_[row].units; }
    QWidget* edit(int row) const;

signals:
    void edited(); // after any edit of the person

protected:
    // The wheel over a list or spin that has no focus scrolls the page instead of changing it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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

    QGroupBox* buildGroup(const RowGroup& group, QWidget* parent);
    void buildRow(int row, QGridLayout* grid, int line, int column);
    void fitLabels();
    void fitLabels(const Grid& grid);
    int gridWidth(const QGridLayout* grid) const;
    void refreshLabel(int row);
    void refreshRow(int row);

    const RowPage& page_;
    std::vector<Caption> captions_;
    std::vector<Grid> grids_;
    RowActions actions_;
    std::vector<RowControls> controls_;
    int rowsPerLine_;
    int fittedWidth_ = -1;
};

// Fills a combo with `items` when they differ from what it shows, and selects `index`.
void ShowList(QComboBox* combo, const std::vector<std::string>& items, int index);

} // namespace tessaline::gui
