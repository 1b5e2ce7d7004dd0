#include "support/WidgetTest.h"
#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {
namespace {

// Colours keep red in the low byte, sizes are device-independent pixels at any ratio, a line
// of width 1 on whole pixels covers one row of pixels in full, and an outline's pixels lie
// right of and below its corners.
TEST(QPainterCanvasTest, PaintsCrispInDeviceIndependentPixelsAtAnyRatio) {
    for (int ratio : {1, 2}) {
        QImage image = BlankDrawingImage(QSize(100, 50), ratio);
        {
            QPainter painter(&image);
            QPainterCanvas canvas(painter, QSizeF(100, 50));
            EXPECT_DOUBLE_EQ(canvas.Scale().width, 100.0);
            canvas.Clear();
            canvas.Line(10, 10, 90, 10, 0x00FFFFu, PenStyle::kSolid, 1);
            canvas.Box(0, 0, 5, 5, colours::kBlue, true);
            canvas.Box(70, 40, 60, 30, colours::kBlack, false);
        }
        const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
        for (int row = 0; row < ratio; ++row) {
            EXPECT_EQ(at(50 * ratio, 10 * ratio + row), QColor(255, 255, 0)) << ratio;
        }
        for (QPoint white : {QPoint(50 * ratio, 10 * ratio - 1), QPoint(50 * ratio, 11 * ratio),
                             QPoint(65 * ratio, 35 * ratio), QPoint(50 * ratio, 45 * ratio)}) {
            EXPECT_EQ(at(white.x(), white.y()), QColor(Qt::white)) << ratio;
        }
        EXPECT_EQ(at(2 * ratio, 2 * ratio), QColor(0, 0, 255)) << ratio;
        for (QPoint edge : {QPoint(65, 40), QPoint(70, 35), QPoint(60, 35), QPoint(65, 30)}) {
            EXPECT_EQ(at(edge.x() * ratio, edge.y() * ratio), QColor(Qt::black)) << ratio;
        }
    }
}

// A picture box's text cache gives way when the font changes.
TEST(QPainterCanvasTest, TextWidthsFollowTheFont) {
    QImage image = BlankDrawingImage(QSize(100, 50), 1);
    QPainter painter(&image);
    TextCache texts;
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    const double small = QPainterCanvas(painter, QSizeF(100, 50), &texts).TextWidth("Wg");
    EXPECT_GT(small, 0.0);
    font.setPixelSize(20);
    painter.setFont(font);
    EXPECT_GT(QPainterCanvas(painter, QSizeF(100, 50), &texts).TextWidth("Wg"), 1.5 * small);
}

}  // namespace
}  // namespace lumarik
