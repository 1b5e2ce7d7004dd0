#include <gtest/gtest.h>

#include <QPainter>

#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {
namespace {

TEST(QPainterCanvasTest, ColoursKeepRedInTheLowByte) {
    EXPECT_EQ(ToQColor(colours::kRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(colours::kBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x00FFFFu), QColor(255, 255, 0));
}

TEST(QPainterCanvasTest, PaintsInDeviceIndependentPixelsAtAnyRatio) {
    for (qreal ratio : {1.0, 2.0}) {
        QImage image = BlankDrawingImage(QSize(100, 50), ratio);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QSizeF(100, 50));
            EXPECT_DOUBLE_EQ(canvas.Scale().width, 100.0);
            canvas.Clear();
            canvas.Line(10, 25, 90, 25, colours::kRed, PenStyle::kSolid, 2);
            canvas.Box(0, 0, 5, 5, colours::kBlue, true);
            EXPECT_GT(canvas.TextWidth("f'"), 0.0);
            EXPECT_GT(canvas.TextHeight("f'"), 0.0);
        }
        const QColor mid = image.pixelColor(QPoint(50, 25) * ratio);
        EXPECT_GT(mid.red(), 200) << ratio;
        EXPECT_LT(mid.green(), 80) << ratio;
        EXPECT_EQ(image.pixelColor(QPoint(2, 2) * ratio), QColor(0, 0, 255)) << ratio;
        EXPECT_EQ(image.pixelColor(QPoint(50, 45) * ratio), QColor(Qt::white)) << ratio;
    }
}

// A line of width 1 on whole pixels covers one row of pixels in full, at any ratio.
TEST(QPainterCanvasTest, ThinLinesAreCrisp) {
    for (int ratio : {1, 2}) {
        QImage image = BlankDrawingImage(QSize(100, 50), ratio);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QSizeF(100, 50));
            canvas.Line(10, 20, 90, 20, colours::kBlack, PenStyle::kSolid, 1);
        }
        for (int row = 0; row < ratio; ++row) {
            EXPECT_EQ(image.pixelColor(50 * ratio, 20 * ratio + row), QColor(Qt::black)) << ratio;
        }
        EXPECT_EQ(image.pixelColor(50 * ratio, 20 * ratio - 1), QColor(Qt::white)) << ratio;
        EXPECT_EQ(image.pixelColor(50 * ratio, 21 * ratio), QColor(Qt::white)) << ratio;
    }
}

}  // namespace
}  // namespace lumarik
