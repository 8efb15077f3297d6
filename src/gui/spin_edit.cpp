#include "gui/spin_edit.h"

#include <QLineEdit>

#include <algorithm>

namespace tessaline::gui {

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::edited);
}

void SpinEdit::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void SpinEdit::setMaxLength(int length) {
    lineEdit()->setMaxLength(length);
}

QString SpinEdit::editText() const {
    return lineEdit()->text();
}

void SpinEdit::setEditText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps) {
    bool ok = false;
    const int now = lineEdit()->text().toInt(&ok);
    const int next = std::clamp(ok ? now + steps : minimum_, minimum_, maximum_);
    lineEdit()->setText(QString::number(next));
    emit edited(lineEdit()->text());
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return minimum_ < maximum_ ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

} // namespace tessaline::gui
