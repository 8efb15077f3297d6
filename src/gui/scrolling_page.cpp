#include "gui/scrolling_page.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

namespace tessaline::gui {

namespace {

constexpr int kWheelNotch = 120; // angle delta of one notch

std::optional<ScrollAction> actionOf(int sliderAction) {
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageDown;
    case QAbstractSlider::SliderToMinimum:
        return ScrollAction::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollAction::Bottom;
    case QAbstractSlider::SliderMove:
        return ScrollAction::ThumbTrack;
    default:
        return std::nullopt;
    }
}

} // namespace

ScrollingPage::ScrollingPage(PageScroll scroll, QWidget* parent)
    : QWidget(parent), scroll_(scroll), baseRangeMax_(scroll.rangeMax),
      bar_(new QScrollBar(Qt::Vertical, this)) {
    setFocusPolicy(Qt::ClickFocus);
    connect(bar_, &QScrollBar::actionTriggered, this, [this](int sliderAction) {
        const auto action = actionOf(sliderAction);
        if (!action) return;
        const int position = scrolledPosition(scroll_, *action, bar_->sliderPosition());
        bar_->setSliderPosition(position);
        moveTo(position);
    });
    connect(bar_, &QScrollBar::sliderMoved, this,
            [this](int position) { moveTo(clampScrollPosition(scroll_, position)); });
    showScrollBar();
}

void ScrollingPage::setContent(QWidget* content) {
    content_ = content;
    if (content_->parentWidget() != this) content_->setParent(this);
    fitRange();
    bar_->raise();
}

void ScrollingPage::refitContent() {
    if (content_) fitRange();
}

// Content taller than the scroll range still comes fully into view.
void ScrollingPage::fitRange() {
    scroll_.rangeMax = std::max(baseRangeMax_, content_->sizeHint().height() - 1);
    scroll_ = resizedScroll(scroll_, height());
    showScrollBar();
    placeContent();
}

bool ScrollingPage::event(QEvent* event) {
    // The content asks for another height, e.g. after its labels were wrapped anew.
    if (event->type() == QEvent::LayoutRequest && content_) fitRange();
    return QWidget::event(event);
}

void ScrollingPage::scrollBy(ScrollAction action, int trackPosition) {
    moveTo(scrolledPosition(scroll_, action, trackPosition));
}

void ScrollingPage::turnWheel(int notches) {
    moveTo(wheelScrolledPosition(scroll_, notches));
}

void ScrollingPage::moveTo(int position) {
    if (position == scroll_.position) return;
    scroll_.position = position;
    showScrollBar();
    placeContent();
}

void ScrollingPage::showScrollBar() {
    const QSignalBlocker block(bar_);
    bar_->setRange(0, lastScrollPosition(scroll_));
    bar_->setPageStep(scroll_.page);
    bar_->setSingleStep(10);
    bar_->setValue(scroll_.position);
}

void ScrollingPage::placeContent() {
    const int barWidth = bar_->sizeHint().width();
    bar_->setGeometry(width() - barWidth, 0, barWidth, height());
    if (!content_) return;
    const int contentHeight = std::max(content_->sizeHint().height(), height());
    content_->setGeometry(0, -scroll_.position, width() - barWidth, contentHeight);
    contentPlaced(scroll_.position + height());
}

void ScrollingPage::resizeEvent(QResizeEvent*) {
    scroll_ = resizedScroll(scroll_, height());
    showScrollBar();
    placeContent();
}

void ScrollingPage::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / kWheelNotch;
    if (notches != 0) turnWheel(notches);
    event->accept();
}

void ScrollingPage::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

} // namespace tessaline::gui
