#include "gui/ipv4_field.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace tessaline::gui {

namespace {
constexpr int kPartMax = 255;
constexpr int kPartDigits = 3;
} // namespace

Ipv4Field::Ipv4Field(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (size_t i = 0; i < parts_.size(); ++i) {
        if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* part = new QLineEdit(this);
        part->setMaxLength(kPartDigits);
        part->setValidator(new QIntValidator(0, kPartMax, part));
        part->setAlignment(Qt::AlignCenter);
        part->setText(QStringLiteral("0"));
        connect(part, &QLineEdit::textEdited, this, &Ipv4Field::edited);
        layout->addWidget(part, 1);
        parts_[i] = part;
    }
    setFocusProxy(parts_[0]);
}

std::array<int, 4> Ipv4Field::address() const {
    std::array<int, 4> address{};
    for (size_t i = 0; i < parts_.size(); ++i)
        address[i] = std::min(parts_[i]->text().toInt(), kPartMax);
    return address;
}

void Ipv4Field::setAddress(const std::array<int, 4>& address) {
    for (size_t i = 0; i < parts_.size(); ++i) {
        const QString text = QString::number(address[i]);
        if (parts_[i]->text() != text) parts_[i]->setText(text);
    }
}

QString Ipv4Field::text() const {
    const auto a = address();
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

void Ipv4Field::setText(const QString& dotted) {
    const QStringList parts = dotted.split('.');
    std::array<int, 4> address{};
    for (size_t i = 0; i < address.size() && i < static_cast<size_t>(parts.size()); ++i)
        address[i] = parts[static_cast<qsizetype>(i)].toInt();
    setAddress(address);
}

} // namespace tessaline::gui
