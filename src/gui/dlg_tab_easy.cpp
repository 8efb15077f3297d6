#include "gui/dlg_tab_easy.h"

#include "gui/page_colours.h"
#include "gui/qt_text.h"
#include "gui/row_page_view.h"
#include "gui/svg_picture.h"
#include "pages/easy_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaline::gui {

namespace {
// The pictures of the three media kinds, in media kind order.
constexpr std::array<const char*, 3> kMediaPictures = {"media_labels_with_gaps",
                                                       "media_black_marks", "media_continuous"};
} // namespace

CDlgTabEasy::CDlgTabEasy(EasyPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    UsePageBackground(this);
}

void CDlgTabEasy::showEvent(QShowEvent* event) {
    if (!left_) build();
    QWidget::showEvent(event);
}

void CDlgTabEasy::build() {
    EasyPage& page = page_;
    auto actions = [&page, this] {
        return RowActions{
            [&page](int row, bool on) { page.rows().setChecked(row, on); },
            [&page](int row, int index) { page.selectValue(row, index); },
            [&page](int row, int index) { page.selectUnit(row, index); },
            [&page](int row, const std::string& text) { page.typeEditText(row, text); },
            [](int, const std::array<int, 4>&) {},
            [&page](int row) { page.rows().valueEdited(row); },
        };
    };
    auto* pictures = new QWidget(this);
    auto* grid = new QGridLayout(pictures);
    auto* group = new QButtonGroup(this);
    for (size_t kind = 0; kind < media_.size(); ++kind) {
        auto* picture = new QLabel(pictures);
        picture->setPixmap(Picture(QString::fromLatin1(kMediaPictures[kind])));
        picture->setAlignment(Qt::AlignCenter);
        grid->addWidget(picture, 0, static_cast<int>(kind));
        media_[kind] = new QRadioButton(pictures);
        group->addButton(media_[kind], static_cast<int>(kind));
        grid->addWidget(media_[kind], 1, static_cast<int>(kind), Qt::AlignHCenter);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int kind) {
        page_.selectMediaKind(kind);
        refresh();
        emit edited();
    });
    left_ = new RowPageView(page.rows(),
                            {{nullptr, {easy_row::kMediaType, easy_row::kPaperLength}},
                             {nullptr, {easy_row::kPrintMethod}}},
                            actions(), this, 1);
    right_ =
        new RowPageView(page.rows(),
                        {{[&page] { return page.mediaHandlingCaption(); },
                          {easy_row::kPostPrint, easy_row::kStartOffset, easy_row::kStopOffset}}},
                        actions(), this, 1);
    for (RowPageView* view : {left_, right_}) {
        UsePageBackground(view);
        connect(view, &RowPageView::edited, this, [this] {
            refresh();
            emit edited();
        });
    }
    auto* columns = new QHBoxLayout(this);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(pictures);
    leftColumn->addWidget(left_);
    columns->addLayout(leftColumn, 3);
    columns->addWidget(right_, 2, Qt::AlignTop);
    for (QWidget* part : {pictures, static_cast<QWidget*>(left_), static_cast<QWidget*>(right_)})
        part->show();
    refresh();
}

void CDlgTabEasy::refresh() {
    if (!left_) return;
    left_->refresh();
    right_->refresh();
    const auto& items = page_.rows().state(easy_row::kMediaType).items;
    for (size_t kind = 0; kind < media_.size(); ++kind) {
        const QSignalBlocker block(media_[kind]);
        media_[kind]->setText(kind < items.size() ? qs(items[kind]) : QString());
        media_[kind]->setChecked(page_.mediaKind() == static_cast<int>(kind));
        media_[kind]->setEnabled(page_.rows().state(easy_row::kMediaType).enabled);
    }
}

} // namespace tessaline::gui
