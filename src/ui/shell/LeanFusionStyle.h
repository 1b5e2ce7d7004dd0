// Fusion as it is, but for one image it loads. Fusion draws a group box's frame from a PNG among
// Qt's resources and reads it with a reader left to guess the format; such a reader loads every
// image plugin first (SVG with its library, JPEG, GIF, ICO), some 0.4 MiB with the window's first
// paint that the window never uses. This style draws the same frame from the same image read as
// the PNG it is.
#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace lumarik {

class LeanFusionStyle : public QProxyStyle {
public:
    LeanFusionStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    QPixmap m_groupFrame;
};

// Puts the style in place when the application draws with Fusion; any other style stays.
void UseLeanFusionStyle();

}  // namespace lumarik
