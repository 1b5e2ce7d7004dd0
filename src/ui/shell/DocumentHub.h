// The document as the windows share it. Every edit runs through Edit, which holds the update
// guard while the edit runs and then announces what it changed; every view refreshes itself on
// Changed. So the guard lives here alone, and the refresh path is one signal.
#pragma once

#include <QObject>

#include "core/document/LumarikDocument.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {

class DocumentHub : public QObject {
    Q_OBJECT

public:
    explicit DocumentHub(LumarikDocument& doc, QObject* parent = nullptr)
        : QObject(parent), m_doc(doc) {}

    const LumarikDocument& Doc() const { return m_doc; }
    // An edit runs, or a drag holds the drawing: user events change nothing meanwhile (their
    // controls show the state again when the edit or drag ends).
    bool Busy() const { return m_guard != UpdateGuard::kFree; }
    bool Dragging() const { return m_guard == UpdateGuard::kDragging; }

    // Runs `edit` on the document unless busy, then announces its changes; false when busy.
    template <typename EditFn>
    bool Edit(EditFn&& edit) {
        if (Busy()) return false;
        GuardScope scope(m_guard);
        edit(m_doc);
        Announce();
        return true;
    }
    // The same during a drag, which keeps holding the drawing; false when no drag runs.
    template <typename EditFn>
    bool DragEdit(EditFn&& edit) {
        if (!Dragging()) return false;
        edit(m_doc);
        Announce();
        return true;
    }
    // A press that grabbed a handle starts the drag; the release ends it (and also a lost one).
    void StartDragging() { m_guard = UpdateGuard::kDragging; }
    void StopDragging() {
        if (Dragging()) m_guard = UpdateGuard::kFree;
    }

signals:
    // `changes` is a set of Change bits; emitted while the guard is held, so that controls the
    // views set do not start edits of their own.
    void Changed(unsigned changes);

private:
    void Announce() {
        const Changes changes = m_doc.TakeChanges();
        if (changes != kChangeNone) emit Changed(changes);
    }

    LumarikDocument& m_doc;
    UpdateGuard m_guard = UpdateGuard::kFree;
};

}  // namespace lumarik
