// The system drawing of the main window: painting through the core's DrgRoutines, dragging
// its elements through DrgTouch, and copying or saving the picture.

#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {

void frmLumarik::ConnectDrawing() {
    DrawingView::Hooks hooks;
    hooks.paint = [this](Canvas& canvas) { PaintDrawing(canvas); };
    hooks.overlay = [this](Canvas& canvas) {
        if (m_doc.BeamMode()) PaintReadout(canvas, m_readout);
    };
    hooks.hover = [this](double x, double y) { DrawingHovered(x, y); };
    hooks.leave = [this] { HideReadout(); };
    hooks.press = [this](double x, double y) { DrawingPressed(x, y); };
    hooks.move = [this](double x, double y) { DrawingMoved(x, y); };
    hooks.release = [this] { DrawingReleased(); };
    hooks.copy = [this] { CopyDrawing(); };
    hooks.save = [this] { SaveDrawing(); };
    m_pctDrg->SetHooks(std::move(hooks));
}

void frmLumarik::PaintDrawing(Canvas& canvas) {
    if (m_doc.BeamMode()) {
        m_beamDrawing.RedrawBeam(canvas, m_doc.Beam(), m_doc.BeamDrawing(),
                                 m_updateGuard == UpdateGuard::kDragging);
        return;
    }
    m_drawing.Redraw(canvas, m_model, m_doc.Opts(), m_updateGuard == UpdateGuard::kDragging);
}

void frmLumarik::DrawingPressed(double x, double y) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    if (m_doc.BeamMode()) {
        BeamDrawingPressed(x, y);
        return;
    }
    const PressResult result = m_doc.StartLensDrag(x, y, m_drawing.Handles());
    if (result.grab == kGrabNone) return;
    m_updateGuard = UpdateGuard::kDragging;  // the drawing keeps its scale until the release
    if (result.selectionChanged) {
        SyncBoxes();
        ApplyEnables(m_model.Enables());
        RebuildRows();
    }
}

void frmLumarik::BeamDrawingPressed(double x, double y) {
    const BeamPress press = m_doc.StartBeamDrag(x, y, m_beamDrawing.Handles());
    if (press.grab == kBeamGrabNone) return;
    m_updateGuard = UpdateGuard::kDragging;
    HideReadout();
    // The swapped-in quantity keeps its solved value: the same beam, with new boxes and rows.
    if (press.selectionChanged) RecalcBeam(true, SolveMemory::kUpdate);
}

void frmLumarik::DrawingMoved(double x, double y) {
    if (m_updateGuard != UpdateGuard::kDragging) return;
    if (m_doc.BeamMode()) {
        const BeamView view = m_doc.MoveBeamDrag(x, y);
        if (!view.shown) return;
        RebuildRows();
        ShowAdvancedRows();  // the rear principal plane moves the separation
        ShowBeamResults(view);
        return;
    }
    if (const std::optional<ResultsView> view = m_doc.MoveLensDrag(x, y)) AfterDragChange(*view);
}

void frmLumarik::DrawingReleased() {
    // Also the way out of a drag whose release was lost: the guard never stays at 2.
    const bool dragging = m_updateGuard == UpdateGuard::kDragging;
    if (dragging) m_updateGuard = UpdateGuard::kFree;
    if (!m_doc.EndDrag() && !dragging) return;
    GuardScope guard(m_updateGuard);
    // Option controls operated during the drag were ignored; they show the options in force.
    SyncOptionControls();
    if (m_doc.BeamMode()) {
        RecalcBeam(true, SolveMemory::kUpdate);
    } else {
        AfterDragChange(m_doc.Recalculate());
    }
}

void frmLumarik::DrawingHovered(double x, double y) {
    if (!m_doc.BeamMode() || m_updateGuard == UpdateGuard::kDragging) return;
    m_readout = m_beamDrawing.ReadoutAt(x, y, m_doc.Beam(), m_model.DecimalSeparator());
    m_pctDrg->UpdateOverlay();
}

void frmLumarik::HideReadout() {
    if (!m_readout.shown) return;
    m_readout = {};
    m_pctDrg->UpdateOverlay();
}

void frmLumarik::AfterDragChange(const ResultsView& view) {
    RebuildRows();
    ShowAdvancedRows();  // the rear principal plane moves the separation
    ShowResults(view);
}

// Pictures for the clipboard, files and the printed report come from their own drawing state,
// so that exporting never moves the window's grab handles.
std::function<void(Canvas&)> frmLumarik::PicturePainter(bool printing) const {
    return
        [this, printing, drawing = DrgRoutines(), beam = DrgRoutinesGB()](Canvas& canvas) mutable {
            if (m_doc.BeamMode()) {
                beam.RedrawBeam(canvas, m_doc.Beam(), m_doc.BeamDrawing(printing), false);
            } else {
                drawing.Redraw(canvas, m_model, m_doc.Opts(), false);
            }
        };
}

void frmLumarik::CopyDrawing() {
    CopyPicture(m_pctDrg->PictureOf(PicturePainter(false)), m_pctDrg->devicePixelRatioF());
}

void frmLumarik::SaveDrawing() {
    if (m_context.prompter) {
        SavePicture(*m_context.prompter, kDrawingPictureTexts,
                    m_pctDrg->PictureOf(PicturePainter(false)));
    }
}

}  // namespace lumarik
