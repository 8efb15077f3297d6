// The window icon is the program's drawing, drawn at whatever size the desktop asks for.

#include "gui/svg_picture.h"
#include "window_fixture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool AllTransparent(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

TEST(PictureIcon, DrawsTheDrawingAtEachSizeAskedFor) {
    TestApplication();
    const QIcon icon = tessaline::gui::PictureIcon(QStringLiteral("tessaline"));
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 32, 48, 256}) {
        const QImage drawn = icon.pixmap(QSize(side, side)).toImage();
        EXPECT_EQ(drawn.size(), QSize(side, side));
        EXPECT_FALSE(AllTransparent(drawn)) << side;
        EXPECT_EQ(drawn,
                  tessaline::gui::Picture(QStringLiteral("tessaline"), QSize(side, side)).toImage())
            << side;
    }
    EXPECT_TRUE(tessaline::gui::PictureIcon(QStringLiteral("no-such-drawing")).isNull());
}

} // namespace
