#include "pages/page_scroll.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(PageScroll, EventsMoveAndClamp) {
    struct Case {
        PageScroll scroll;
        ScrollAction action;
        int track;
        int expected;
    };
    const Case cases[] = {
        {{2000, 300, 0}, ScrollAction::Bottom, 0, 1701},
        {{2000, 300, 1695}, ScrollAction::LineDown, 0, 1701},
        {{2000, 300, 1701}, ScrollAction::PageDown, 0, 1701},
        {{2000, 300, 500}, ScrollAction::PageUp, 0, 340},
        {{2000, 300, 500}, ScrollAction::PageDown, 0, 660},
        {{2000, 300, 500}, ScrollAction::LineUp, 0, 490},
        {{2000, 300, 5}, ScrollAction::LineUp, 0, 0},
        {{2000, 300, 100}, ScrollAction::PageUp, 0, 0},
        {{2000, 300, 900}, ScrollAction::Top, 0, 0},
        {{2000, 300, 0}, ScrollAction::ThumbTrack, 1234, 1234},
        {{2000, 300, 0}, ScrollAction::ThumbTrack, 1900, 1701},
        {{670, 300, 0}, ScrollAction::Bottom, 0, 371},
        {{1180, 300, 0}, ScrollAction::Bottom, 0, 881},
        {{200, 300, 0}, ScrollAction::Bottom, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scrolledPosition(c.scroll, c.action, c.track), c.expected)
            << c.scroll.rangeMax << " " << c.scroll.position << " " << static_cast<int>(c.action);
}

TEST(PageScroll, WheelMovesFiftyPerNotch) {
    PageScroll s = kStandardScroll;
    s.position = 400;
    EXPECT_EQ(wheelScrolledPosition(s, 1), 350);  // away from the user: up
    EXPECT_EQ(wheelScrolledPosition(s, -2), 500); // towards the user: down
    EXPECT_EQ(wheelScrolledPosition(s, 20), 0);
    EXPECT_EQ(wheelScrolledPosition(s, -100), 1701);
}

TEST(PageScroll, ResizeLeavesNoEmptySpaceBelow) {
    PageScroll s = kStandardScroll;
    s.position = 1701;
    const PageScroll taller = resizedScroll(s, 600);
    EXPECT_EQ(taller.page, 600);
    EXPECT_EQ(taller.position, 1401);
    const PageScroll huge = resizedScroll(s, 2500);
    EXPECT_EQ(huge.position, 0);
    s.position = 100;
    EXPECT_EQ(resizedScroll(s, 600).position, 100);
}

} // namespace
} // namespace tessaline
