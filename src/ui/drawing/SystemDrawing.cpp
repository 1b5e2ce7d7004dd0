#include "ui/drawing/SystemDrawing.h"

#include <utility>

#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

const QString kAccDrawing = QStringLiteral("Zeichnung");

}  // namespace

SystemDrawing::SystemDrawing(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : DrawingView(parent), m_hub(hub), m_context(context) {
    setObjectName(QStringLiteral("pctDrg"));
    setAccessibleName(kAccDrawing);
    setMinimumSize(200, 120);
    setFocusPolicy(Qt::TabFocus);  // a click or drag leaves the focus where it is
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Hooks hooks;
    hooks.paint = [this](Canvas& canvas) { Paint(canvas); };
    hooks.overlay = [this](Canvas& canvas) {
        if (m_hub.Doc().BeamMode()) PaintReadout(canvas, m_readout);
    };
    hooks.hover = [this](double x, double y) { Hovered(x, y); };
    hooks.leave = [this] { HideReadout(); };
    hooks.press = [this](double x, double y) { Pressed(x, y); };
    hooks.move = [this](double x, double y) { Moved(x, y); };
    hooks.release = [this] { Released(); };
    hooks.copy = [this] { CopyPicture(PictureOf(PicturePainter(false)), devicePixelRatioF()); };
    hooks.save = [this] {
        if (m_context.prompter) {
            SavePicture(*m_context.prompter, kDrawingPictureTexts,
                        PictureOf(PicturePainter(false)));
        }
    };
    SetHooks(std::move(hooks));
    connect(&m_hub, &DocumentHub::Changed, this, &SystemDrawing::Refresh);
}

// Shown with the results: the three parameters chosen.
void SystemDrawing::Refresh(unsigned changes) {
    if (!(changes & (kChangeResults | kChangeChoice | kChangeMode | kChangeDrawing))) return;
    const LumarikDocument& doc = m_hub.Doc();
    setVisible(doc.BeamMode() ? doc.Beam().Selection(0).Count() == kMaxBeamSelected
                              : doc.Results().resultListsVisible);
    Redraw();
}

void SystemDrawing::Paint(Canvas& canvas) {
    const LumarikDocument& doc = m_hub.Doc();
    if (doc.BeamMode()) {
        m_beamDrawing.RedrawBeam(canvas, doc.Beam(), doc.BeamDrawing(), m_hub.Dragging());
        return;
    }
    m_drawing.Redraw(canvas, doc.Model(), doc.Opts(), m_hub.Dragging());
}

void SystemDrawing::Pressed(double x, double y) {
    bool grabbed = false;
    if (m_hub.Doc().BeamMode()) {
        m_hub.Edit([&](LumarikDocument& d) {
            grabbed = d.StartBeamDrag(x, y, m_beamDrawing.Handles()).grab != kBeamGrabNone;
            m_dragNotice = d.DragNotice();
        });
        if (grabbed) HideReadout();
    } else {
        m_hub.Edit([&](LumarikDocument& d) {
            grabbed = d.StartLensDrag(x, y, m_drawing.Handles()).grab != kGrabNone;
        });
    }
    if (grabbed) m_hub.StartDragging();
}

void SystemDrawing::Moved(double x, double y) {
    std::string refusal;
    m_hub.DragEdit([&](LumarikDocument& d) {
        if (d.BeamMode()) {
            refusal = d.MoveBeamDrag(x, y).refusal;
        } else {
            d.MoveLensDrag(x, y);
        }
    });
    if (refusal.empty()) return;
    // A refused move ends the drag where the system still is, and says why.
    Released();
    if (m_context.prompter) {
        m_context.prompter->Message(QString::fromStdString(refusal), PromptIcon::Exclamation);
    }
}

// Also the way out of a drag whose release was lost: the drag never stays. Option controls
// operated during the drag were ignored; they show the options in force again.
// A drag that changed the choice says so once it ends, in the message box of the value rows.
void SystemDrawing::Released() {
    m_hub.StopDragging();
    m_hub.Edit([](LumarikDocument& d) { d.EndDrag(); });
    const std::string notice = std::exchange(m_dragNotice, std::string());
    if (!notice.empty() && m_context.prompter) {
        m_context.prompter->Message(QString::fromStdString(notice), PromptIcon::Information);
    }
}

// The beam read-out follows the mouse over the picture (beam mode, no drag).
void SystemDrawing::Hovered(double x, double y) {
    const LumarikDocument& doc = m_hub.Doc();
    if (!doc.BeamMode() || m_hub.Dragging()) return;
    m_readout = m_beamDrawing.ReadoutAt(x, y, doc.Beam(), doc.Model().DecimalSeparator());
    UpdateOverlay();
}

void SystemDrawing::HideReadout() {
    if (!m_readout.shown) return;
    m_readout = {};
    UpdateOverlay();
}

std::function<void(Canvas&)> SystemDrawing::PicturePainter(bool printing) const {
    return
        [this, printing, drawing = DrgRoutines(), beam = DrgRoutinesGB()](Canvas& canvas) mutable {
            const LumarikDocument& doc = m_hub.Doc();
            if (doc.BeamMode()) {
                beam.RedrawBeam(canvas, doc.Beam(), doc.BeamDrawing(printing), false);
            } else {
                drawing.Redraw(canvas, doc.Model(), doc.Opts(), false);
            }
        };
}

}  // namespace lumarik
