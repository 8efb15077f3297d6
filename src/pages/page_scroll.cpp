#include "pages/page_scroll.h"

#include <algorithm>

namespace tessaline {

namespace {
constexpr int kLineStep = 10;
constexpr int kPageStep = 160;
constexpr int kWheelStep = 50; // per notch
} // namespace

int lastScrollPosition(const PageScroll& scroll) {
    return std::max(0, scroll.rangeMax - scroll.page + 1);
}

int clampScrollPosition(const PageScroll& scroll, int position) {
    return std::clamp(position, 0, lastScrollPosition(scroll));
}

int scrolledPosition(const PageScroll& scroll, ScrollAction action, int trackPosition) {
    int position = scroll.position;
    switch (action) {
    case ScrollAction::LineUp:
        position -= kLineStep;
        break;
    case ScrollAction::LineDown:
        position += kLineStep;
        break;
    case ScrollAction::PageUp:
        position -= kPageStep;
        break;
    case ScrollAction::PageDown:
        position += kPageStep;
        break;
    case ScrollAction::ThumbTrack:
        position = trackPosition;
        break;
    case ScrollAction::Top:
        position = 0;
        break;
    case ScrollAction::Bottom:
        position = scroll.rangeMax;
        break;
    }
    return clampScrollPosition(scroll, position);
}

int wheelScrolledPosition(const PageScroll& scroll, int notches) {
    return clampScrollPosition(scroll, scroll.position - notches * kWheelStep);
}

PageScroll resizedScroll(const PageScroll& scroll, int visibleHeight) {
    PageScroll out = scroll;
    out.page = std::max(0, visibleHeight);
    out.position = clampScrollPosition(out, scroll.position);
    return out;
}

} // namespace tessaline
