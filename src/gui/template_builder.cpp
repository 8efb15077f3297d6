#include "gui/template_builder.h"

#include "gui/ipv4_field.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <map>

namespace tessaline::gui {

namespace {

// ASCII digits only, as a numeric edit control takes them; plain code rather than a regular
// expression, which would load its engine at start-up for one field.
class DigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (c < u'0' || c > u'9') return Invalid;
        return Acceptable;
    }
};

using Maker = std::function<QWidget*(QWidget* parent, const TemplateControl&)>;

QWidget* makeEdit(QWidget* parent, const TemplateControl& c) {
    auto* edit = new QLineEdit(parent);
    if (const int limit = c.number(QStringLiteral("limit")); limit > 0) edit->setMaxLength(limit);
    if (c.has(QStringLiteral("digits"))) {
        edit->setValidator(new DigitsValidator(edit));
    }
    return edit;
}

QWidget* makeStatic(QWidget* parent, const TemplateControl& c) {
    auto* label = new QLabel(c.text, parent);
    if (c.has(QStringLiteral("right"))) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QWidget* makeCheck(QWidget* parent, const TemplateControl& c) {
    auto* box = new QCheckBox(c.text, parent);
    // The caption stands left of the box.
    if (c.has(QStringLiteral("lefttext"))) box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

// A multi-line text box with a vertical scroll bar.
QWidget* makeMemo(QWidget* parent, const TemplateControl& c) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(c.has(QStringLiteral("readonly")));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QWidget* makeButton(QWidget* parent, const TemplateControl& c) {
    auto* button = new QPushButton(c.text, parent);
    button->setAutoDefault(true);
    if (c.has(QStringLiteral("default"))) button->setDefault(true);
    return button;
}

const std::map<QString, Maker>& makers() {
    static const std::map<QString, Maker> table = {
        {QStringLiteral("static"), makeStatic},
        {QStringLiteral("picture"),
         [](QWidget* p, const TemplateControl&) -> QWidget* { return new QLabel(p); }},
        {QStringLiteral("combo"),
         [](QWidget* p, const TemplateControl&) -> QWidget* { return new QComboBox(p); }},
        {QStringLiteral("group"),
         [](QWidget* p, const TemplateControl& c) -> QWidget* { return new QGroupBox(c.text, p); }},
        {QStringLiteral("radio"),
         [](QWidget* p, const TemplateControl& c) -> QWidget* {
             return new QRadioButton(c.text, p);
         }},
        {QStringLiteral("check"), makeCheck},
        {QStringLiteral("memo"), makeMemo},
        {QStringLiteral("button"), makeButton},
        {QStringLiteral("edit"), makeEdit},
        {QStringLiteral("ipv4"),
         [](QWidget* p, const TemplateControl&) -> QWidget* { return new Ipv4Field(p); }},
        {QStringLiteral("tab"),
         [](QWidget* p, const TemplateControl&) -> QWidget* { return new QTabBar(p); }},
    };
    return table;
}

} // namespace

BuiltControls BuildDialog(QWidget* dialog, const DialogTemplate& dialogTemplate,
                          const DialogUnits& units) {
    BuiltControls built;
    QButtonGroup* radioGroup = nullptr;
    for (const TemplateControl& c : dialogTemplate.controls) {
        const auto maker = makers().find(c.kind);
        if (maker == makers().end()) continue;
        QWidget* widget = maker->second(dialog, c);
        QRect place = units.rect(c.x, c.y, c.width, c.height);
        if (c.kind == QStringLiteral("combo")) place.setHeight(widget->sizeHint().height());
        // Buttons with an indicator take more room than the dialog units allow for; their
        // caption is not cut.
        if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget))
            place.setWidth(std::max(place.width(), widget->sizeHint().width()));
        widget->setGeometry(place);
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (c.has(QStringLiteral("group")) || !radioGroup)
                radioGroup = new QButtonGroup(dialog);
            radioGroup->addButton(radio);
        }
        if (c.has(QStringLiteral("disabled"))) widget->setEnabled(false);
        if (c.has(QStringLiteral("hidden"))) widget->hide();
        widget->setObjectName(QStringLiteral("c%1").arg(c.id));
        built.add(c.id, widget);
    }
    return built;
}

} // namespace tessaline::gui
