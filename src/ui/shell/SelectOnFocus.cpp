#include "ui/shell/SelectOnFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace lumarik {
namespace {

// Watches the whole application for focus changes into boxes below its root: a filter on the
// application sees boxes that are created later too.
class SelectOnFocusFilter : public QObject {
public:
    explicit SelectOnFocusFilter(QWidget* root) : QObject(root), m_root(root) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr || !m_root->isAncestorOf(box)) return false;
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason) {
                // The press that follows places the cursor; select on its release, unless
                // the user dragged a selection of their own.
                m_clicked = box;
            } else if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                QTimer::singleShot(0, box, [box] { box->selectAll(); });
            }
        } else if (event->type() == QEvent::MouseButtonRelease && m_clicked == box) {
            m_clicked = nullptr;
            if (!box->hasSelectedText()) box->selectAll();
        } else if (event->type() == QEvent::FocusOut && m_clicked == box) {
            m_clicked = nullptr;
        }
        return false;
    }

private:
    QWidget* m_root;
    QPointer<QLineEdit> m_clicked;
};

}  // namespace

void SelectWholeTextOnFocus(QWidget* root) {
    qApp->installEventFilter(new SelectOnFocusFilter(root));
}

}  // namespace lumarik
