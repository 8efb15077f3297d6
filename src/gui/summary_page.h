#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QLabel;

namespace tessaline::gui {

// A page that shows its model's texts as plain lines, for the pages whose own view comes later.
class SummaryPage final : public QWidget {
    Q_OBJECT
public:
    SummaryPage(std::function<std::string()> text, QWidget* parent = nullptr);
    void refresh();

private:
    std::function<std::string()> text_;
    QLabel* label_;
};

} // namespace tessaline::gui
