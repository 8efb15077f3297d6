#pragma once

#include <QAbstractSpinBox>

namespace tessaline::gui {

// An edit with an up-down control: the text stays free, the arrows step a number within the
// range.
class SpinEdit final : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setMaxLength(int length);
    QString editText() const;
    void setEditText(const QString& text);
    void stepBy(int steps) override;

signals:
    void edited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

private:
    int minimum_ = 0;
    int maximum_ = 0;
};

} // namespace tessaline::gui
