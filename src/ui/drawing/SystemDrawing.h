// The drawing of the system in the main window (pctDrg): the lens/mirror system or the beam of
// the mode in force, the elements dragged with the mouse, the beam read-out under the mouse,
// and the picture copied or saved. While a drag runs the drawing keeps the scale of the press.
#pragma once

#include <functional>

#include "core/drawing/DrgRoutines.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "ui/drawing/DrawingView.h"

namespace lumarik {

class DocumentHub;
struct AppContext;

class SystemDrawing : public DrawingView {
    Q_OBJECT

public:
    SystemDrawing(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    // The state of the last drawing on the screen (transform, grab handles), and the read-out.
    const DrgRoutines& Drawing() const { return m_drawing; }
    const DrgRoutinesGB& BeamDrawing() const { return m_beamDrawing; }
    const BeamReadout& Readout() const { return m_readout; }
    // Paints the picture of the mode in force with a drawing state of its own, so that printing
    // and exporting never move the screen's grab handles.
    std::function<void(Canvas&)> PicturePainter(bool printing) const;

private:
    void Refresh(unsigned changes);
    void Paint(Canvas& canvas);
    void Pressed(double x, double y);
    void Moved(double x, double y);
    void Released();
    void Hovered(double x, double y);
    void HideReadout();

    DocumentHub& m_hub;
    const AppContext& m_context;
    DrgRoutines m_drawing;
    DrgRoutinesGB m_beamDrawing;
    BeamReadout m_readout;
    std::string m_dragNotice;  // what the press changed in the choice, told on the release
};

}  // namespace lumarik
