// The system drawing of the main window: painting through the core's DrgRoutines, dragging
// its elements through DrgTouch, and copying or saving the picture.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <filesystem>

#include "core/ini/INICode.h"

#include "core/backup/DataBackup.h"
#include "ui/drawing/DrawingView.h"
#include "ui/mainwindow/WindowHelpers.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {
const QString kSaveTitle = QStringLiteral("Zeichnung speichern");
const QString kSaveFilter = QStringLiteral("PNG-Bilder (*.png);;SVG-Grafiken (*.svg)");
const QString kSuggestedName = QStringLiteral("Lumarik-Zeichnung.png");
const QString kSaveFailed = QStringLiteral("Die Zeichnung konnte nicht gespeichert werden: ");
// Saved pictures have twice the pixels of the drawing on the screen.
constexpr qreal kSaveRatio = 2.0;

// Pictures for the clipboard and files come from their own drawing state, so that exporting
// never moves the window's grab handles.
std::function<void(Canvas&)> ExportPainter(const LumarikCode& model, const Options& options) {
    return [&model, &options, drawing = DrgRoutines()](Canvas& canvas) mutable {
        drawing.Redraw(canvas, model, options, false);
    };
}
}  // namespace

void frmLumarik::ConnectDrawing() {
    DrawingView::Hooks hooks;
    hooks.paint = [this](Canvas& canvas) { PaintDrawing(canvas); };
    hooks.press = [this](double x, double y) { DrawingPressed(x, y); };
    hooks.move = [this](double x, double y) { DrawingMoved(x, y); };
    hooks.release = [this] { DrawingReleased(); };
    hooks.copy = [this] { CopyDrawing(); };
    hooks.save = [this] { SaveDrawing(); };
    m_pctDrg->SetHooks(std::move(hooks));
}

void frmLumarik::PaintDrawing(Canvas& canvas) {
    // The beam drawing is not drawn yet; no lens drawing stays behind the beam.
    if (m_doc.BeamMode()) {
        canvas.Clear();
        return;
    }
    m_drawing.Redraw(canvas, m_model, m_doc.Opts(), m_updateGuard == UpdateGuard::kDragging);
}

void frmLumarik::DrawingPressed(double x, double y) {
    if (m_updateGuard != UpdateGuard::kFree || m_doc.BeamMode()) return;
    const PressResult result = m_touch.DragHitTest(x, y, m_model, m_doc.Opts(), m_drawing.Handles(),
                                                   [this] { Backup(kBackupValue); });
    if (result.grab == kGrabNone) return;
    m_updateGuard = UpdateGuard::kDragging;  // the drawing keeps its scale until the release
    if (result.selectionChanged) {
        SyncBoxes();
        ApplyEnables(m_model.Enables());
        RebuildRows();
    }
}

void frmLumarik::DrawingMoved(double x, double y) {
    if (m_updateGuard != UpdateGuard::kDragging) return;
    if (m_touch.DragMove(x, y, m_model, [this] { Backup(kBackupValue); })) AfterDragChange();
}

void frmLumarik::DrawingReleased() {
    // Also the way out of a drag whose release was lost: the guard never stays at 2.
    const bool dragging = m_updateGuard == UpdateGuard::kDragging;
    if (dragging) m_updateGuard = UpdateGuard::kFree;
    if (!m_touch.EndDrag() && !dragging) return;
    GuardScope guard(m_updateGuard);
    // Option controls operated during the drag were ignored; they show the options in force.
    SyncOptionControls();
    AfterDragChange();
}

void frmLumarik::AfterDragChange() {
    RebuildRows();
    ShowAdvancedRows();  // the rear principal plane moves the separation
    ShowResults(m_model.Recalculate());
}

QImage frmLumarik::DrawingImage(qreal ratio) const {
    return m_pctDrg->Render(m_pctDrg->size(), ratio, ExportPainter(m_model, m_doc.Opts()));
}

void frmLumarik::CopyDrawing() {
    QApplication::clipboard()->setImage(DrawingImage(m_pctDrg->devicePixelRatioF()));
}

void frmLumarik::SaveDrawing() {
    if (!m_context.prompter) return;
    const std::optional<QString> name =
        m_context.prompter->SaveFileName(kSaveTitle, kSaveFilter, kSuggestedName);
    if (!name) return;
    if (QFileInfo(*name).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        const QByteArray svg =
            m_pctDrg->RenderSvg(m_pctDrg->size(), ExportPainter(m_model, m_doc.Opts()));
        const SaveResult saved =
            ReplaceFile(std::filesystem::path(QFile::encodeName(*name).toStdString()),
                        std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
        if (!saved.ok) {
            m_context.prompter->Message(kSaveFailed + FromStd(saved.error),
                                        PromptIcon::Exclamation);
        }
        return;
    }
    if (!DrawingImage(kSaveRatio).save(*name, "PNG")) {
        m_context.prompter->Message(kSaveFailed + *name, PromptIcon::Exclamation);
    }
}

}  // namespace lumarik
