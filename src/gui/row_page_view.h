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

// One group box of a page: where its caption comes from and its rows in table order.
struct RowGroup {
    std::function<std::string()> caption;
    std::vector<int> rows;
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
// controls show the model and hand the person's edits to it.
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

private:
    struct RowControls {
        QCheckBox* check = nullptr;
        QLabel* label = nullptr; // a row without check box
        QComboBox* values = nullptr;
        QComboBox* units = nullptr;
        QLineEdit* edit = nullptr;
        SpinEdit* spin = nullptr;
        Ipv4Field* address = nullptr;
    };

    void buildRow(int row, QGridLayout* grid, int line, int column);
    void refreshRow(int row);

    const RowPage& page_;
    std::vector<RowGroup> groups_;
    std::vector<QGroupBox*> groupBoxes_;
    RowActions actions_;
    std::vector<RowControls> controls_;
    int rowsPerLine_;
};

// Fills a combo with `items` when they differ from what it shows, and selects `index`.
void ShowList(QComboBox* combo, const std::vector<std::string>& items, int index);

} // namespace tessaline::gui
