// The picture box of the drawings: paints through a QPainterCanvas and hands mouse presses,
// moves and releases to its owner, which runs the drag through the core. The drawing is kept
// as a picture, over which an overlay (the beam read-out) is painted on every paint event.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "core/drawing/Canvas.h"
#include "ui/drawing/PictureExport.h"
#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {

inline const PictureTexts kDrawingPictureTexts = {
    QStringLiteral("Zeichnung kopieren"), QStringLiteral("Zeichnung speichern …"),
    QStringLiteral("Zeichnung speichern"), QStringLiteral("Lumarik-Zeichnung.png"),
    QStringLiteral("Die Zeichnung konnte nicht gespeichert werden: ")};

class DrawingView : public QWidget {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(Canvas&)> paint;
        // Painted over the kept picture.
        std::function<void(Canvas&)> overlay;
        // The mouse moves over the picture with no button held, and leaves it.
        std::function<void(double x, double y)> hover;
        std::function<void()> leave;
        std::function<void(double x, double y)> press;
        std::function<void(double x, double y)> move;
        // Also called when the mouse grab is lost in the middle of a drag.
        std::function<void()> release;
        std::function<void()> copy;
        std::function<void()> save;
    };

    explicit DrawingView(QWidget* parent = nullptr);
    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // The drawing changed: the next paint event paints it anew.
    void Redraw();
    // Only the overlay changed: the next paint event shows the kept picture under it.
    void UpdateOverlay() { update(); }

    // The drawing at the widget's size and font, painted by `paint`.
    Picture PictureOf(std::function<void(Canvas&)> paint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Release();

    Hooks m_hooks;
    bool m_pressed = false;
    QImage m_picture;
    bool m_stale = true;
    // The same labels come back in every picture.
    mutable TextCache m_texts;
};

}  // namespace lumarik
