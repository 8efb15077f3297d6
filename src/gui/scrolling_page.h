#pragma once

#include "pages/page_scroll.h"

#include <QWidget>

class QScrollBar;

namespace tessaline::gui {

// A page whose content is taller than the tab area: a vertical scroll bar moves the content by
// the page's scroll rules (line 10, page 160, wheel 50 a notch, clamped to the last page).
class ScrollingPage : public QWidget {
    Q_OBJECT
public:
    ScrollingPage(PageScroll scroll, QWidget* parent = nullptr);

    // The content, a child of the page; its height is at least its size hint.
    void setContent(QWidget* content);
    // After the content changed its size: the range follows a taller content, and the content
    // is placed again.
    void refitContent();
    QWidget* content() const { return content_; }

    const PageScroll& scroll() const { return scroll_; }
    void scrollBy(ScrollAction action, int trackPosition = 0);
    void turnWheel(int notches);
    QScrollBar* scrollBar() const { return bar_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // After the content was placed: `visibleBottom` is the lowest line of it in view, in the
    // content's coordinates.
    virtual void contentPlaced(int visibleBottom) { (void)visibleBottom; }

private:
    void moveTo(int position);
    void placeContent();
    void showScrollBar();

    void fitRange();

    PageScroll scroll_;
    int baseRangeMax_; // the page's own range; taller content extends it
    QWidget* content_ = nullptr;
    QScrollBar* bar_ = nullptr;
};

} // namespace tessaline::gui
