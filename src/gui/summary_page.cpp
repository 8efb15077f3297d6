#include "gui/summary_page.h"

#include "gui/page_colours.h"
#include "gui/qt_text.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessaline::gui {

SummaryPage::SummaryPage(std::function<std::string()> text, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), label_(new QLabel(this)) {
    UsePageBackground(this);
    auto* layout = new QVBoxLayout(this);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
    layout->addWidget(label_);
    refresh();
}

void SummaryPage::refresh() {
    label_->setText(qs(text_()));
}

} // namespace tessaline::gui
