#pragma once

#include <QWidget>

#include <array>

class QLineEdit;

namespace tessaline::gui {

// An IPv4 address field: four numbers 0 to 255 between dots.
class Ipv4Field : public QWidget {
    Q_OBJECT
public:
    explicit Ipv4Field(QWidget* parent = nullptr);

    std::array<int, 4> address() const;
    void setAddress(const std::array<int, 4>& address);
    QString text() const; // dotted decimal
    void setText(const QString& dotted);

signals:
    void edited(); // the person changed a number

private:
    std::array<QLineEdit*, 4> parts_{};
};

} // namespace tessaline::gui
