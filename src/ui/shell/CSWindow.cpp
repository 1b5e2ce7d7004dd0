#include "ui/shell/CSWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>

namespace lumarik {
namespace {

QRect AvailableArea(const QWidget* frm) {
    const QScreen* screen = frm->screen() ? frm->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

template <typename Action>
bool OnFocusedText(Action action) {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        action(line);
        return true;
    }
    if (auto* text = qobject_cast<QTextEdit*>(w)) {
        action(text);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        action(plain);
        return true;
    }
    return false;
}

}  // namespace

void CSWindow::OnTop(QWidget* frmTop, bool bSetOnTop) {
    const bool visible = frmTop->isVisible();
    frmTop->setWindowFlag(Qt::WindowStaysOnTopHint, bSetOnTop);
    if (visible) frmTop->show();  // changing window flags hides a window
}

void CSWindow::Center(QWidget* frm) {
    const QRect area =
        frm->parentWidget() && !frm->isWindow() ? frm->parentWidget()->rect() : AvailableArea(frm);
    const QSize size = frm->frameGeometry().size();
    frm->move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 2);
}

void CSWindow::AtMouse(QWidget* frm, int lX, int lY) {
    const QRect area = AvailableArea(frm);
    const QSize size = frm->frameGeometry().size();
    const int x =
        std::clamp(lX, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int y =
        std::clamp(lY, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    // A window that already stands there keeps the geometry it was given.
    if (QPoint(x, y) != frm->pos()) frm->move(x, y);
}

void CSWindow::TopLeft(QWidget* frm) {
    const QRect area = AvailableArea(frm);
    frm->move(area.topLeft());
}

bool CSWindow::EditCopy() {
    return OnFocusedText([](auto* box) { box->copy(); });
}

bool CSWindow::EditCut() {
    return OnFocusedText([](auto* box) { box->cut(); });
}

bool CSWindow::EditPaste() {
    return OnFocusedText([](auto* box) { box->paste(); });
}

}  // namespace lumarik
