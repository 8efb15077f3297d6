#pragma once

namespace tessaline {

// A page's vertical scroll bar: positions 0..rangeMax, of which `page` are visible.
struct PageScroll {
    int rangeMax = 0;
    int page = 0;
    int position = 0;
};

inline constexpr PageScroll kStandardScroll{2000, 300, 0};
inline constexpr PageScroll kAdvancedScroll{670, 300, 0};
inline constexpr PageScroll kSensorAdjustmentScroll{1180, 300, 0};

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, ThumbTrack, Top, Bottom };

// The largest position: the last page ends at the end of the range.
int lastScrollPosition(const PageScroll& scroll);
int clampScrollPosition(const PageScroll& scroll, int position);
// The position after a scroll bar event (trackPosition for ThumbTrack), clamped.
int scrolledPosition(const PageScroll& scroll, ScrollAction action, int trackPosition = 0);
// The position after the wheel turned `notches` (positive: away from the user, upwards).
int wheelScrolledPosition(const PageScroll& scroll, int notches);
// The scroll bar after the visible height changed: the page follows it and the position is
// clamped so that no empty space is left below the last control.
PageScroll resizedScroll(const PageScroll& scroll, int visibleHeight);

} // namespace tessaline
