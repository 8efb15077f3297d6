// The compact style draws Fusion's group box frame itself; it must look as Fusion's own.

#include "gui/compact_style.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

QImage PaintedGroupBox(QStyle* style, const QString& title) {
    QWidget window;
    window.setStyle(style);
    window.resize(240, 120);
    auto* box = new QGroupBox(title, &window);
    box->setStyle(style);
    box->setGeometry(10, 10, 220, 100);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CompactStyle, DrawsTheGroupBoxFrameAsFusionDoes) {
    TestApplication();
    for (const QString& title : {QStringLiteral("Page Setup"), QString()}) {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        ASSERT_TRUE(fusion);
        const QImage expected = PaintedGroupBox(fusion.get(), title);
        tessaline::gui::CompactStyle compact(QStyleFactory::create(QStringLiteral("Fusion")));
        const QImage drawn = PaintedGroupBox(&compact, title);
        ASSERT_EQ(drawn.size(), expected.size());
        int largest = 0, differing = 0, framePixels = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = drawn.pixel(x, y), b = expected.pixel(x, y);
                const int difference =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
                largest = std::max(largest, difference);
                if (difference > 2) ++differing;
                if (expected.pixel(x, y) != expected.pixel(5, 5)) ++framePixels;
            }
        // Only the corners' shading may differ a little; a frame in the wrong place or colour
        // differs along whole edges.
        EXPECT_LE(largest, 20) << title.toStdString();
        EXPECT_LE(differing, 40) << title.toStdString();
        EXPECT_GT(framePixels, 400) << "the frame was not painted at all";
    }
}

} // namespace
