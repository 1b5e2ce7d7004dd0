// Places windows on the screen and offers the clipboard commands for the
// text box that has the focus.
#pragma once

class QWidget;

namespace lumarik {

class CSWindow {
public:
    // Keeps the window above all others, or releases it.
    void OnTop(QWidget* frmTop, bool bSetOnTop);
    // Centres a window on its screen (a child window: in its parent).
    void Center(QWidget* frm);
    // Places the window at (lX, lY) in pixels, moved back so that it stays on the screen.
    void AtMouse(QWidget* frm, int lX, int lY);
    void TopLeft(QWidget* frm);

    // Clipboard commands on the focused text box; they return false when no
    // text box has the focus.
    bool EditCopy();
    bool EditCut();
    bool EditPaste();
};

}  // namespace lumarik
