#include "support/WidgetTest.h"
#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {
namespace {

// Colours keep red in the low byte, sizes are device-independent pixels at any ratio, a line
// of width 1 on whole pixels covers one row of pixels in full, and an outline's pixels lie
// right of and below its corners.
TEST(QPainterCanvasTest, PaintsCrispInDeviceIndependentPixelsAtAnyRatio) {
    const QColor yellow(255, 255, 0), white(Qt::white), black(Qt::black);
    const std::pair<QPointF, QColor> pixels[] = {
        {{50, 10}, yellow}, {{50, 10.5}, yellow}, {{50, 9.5}, white}, {{50, 11}, white},
        {{2, 2}, Qt::blue}, {{65, 40}, black},    {{70, 35}, black},  {{60, 35}, black},
        {{65, 30}, black},  {{65, 35}, white},    {{50, 45}, white}};
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
        for (const auto& [at, colour] : pixels) {  // whole device pixels, rounded down
            EXPECT_EQ(image.pixelColor(int(at.x() * ratio), int(at.y() * ratio)), colour)
                << ratio << ": " << at.x() << "," << at.y();
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
