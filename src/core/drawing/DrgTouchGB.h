// Editing the beam drawing with the mouse: which handle a press grabs, making the dragged
// quantity a chosen beam parameter, and its new value while the mouse moves. The document owns
// one instance; from a press that starts a drag to the release the drawing keeps the scale and
// handles of the press.
#pragma once

#include <functional>

#include "core/drawing/DrgRoutinesGB.h"

namespace lumarik {

class EffectiveConstants;
class GaussianBeam;

// What a press grabbed, in the order FindBeamGrab tests the handles.
enum BeamGrab : int {
    kBeamGrabNone = 0,
    kBeamGrabLens = 1,         // s, from the object waist
    kBeamGrabObjRadius = 2,    // r, from the axis
    kBeamGrabObjRayleigh = 3,  // zr, from the object waist
    kBeamGrabFrontFocus = 4,   // f', from P
    kBeamGrabRearPlane = 5,    // principal-plane separation d, from P
    kBeamGrabImageWaist = 6,   // s', from P'
    kBeamGrabImgRadius = 7,    // r', from the axis
    kBeamGrabImgRayleigh = 8,  // zr', from the image waist
    kBeamGrabRearFocus = 9,    // f', from P'
    kBeamGrabDetector = 10,    // detector distance, from P'
};

struct BeamPress {
    BeamGrab grab = kBeamGrabNone;
    bool selectionChanged = false;  // a chosen quantity was swapped: the boxes and rows follow
    int chosen = -1;                // then the dragged quantity, now chosen
    int released = -1;              // and the one it replaced, now computed
};

class DrgTouchGB {
public:
    // The first handle hit: a point closer than 12 pixels in x and y, a plane closer than 10
    // pixels to its x and strictly between its heights. The rear plane only when it can move
    // (advanced options, no mirror), the detector only when it is on; with circularisation only
    // the lens, f' and the object side.
    static BeamGrab FindBeamGrab(double x, double y, const BeamHandles& handles,
                                 const GaussianBeam& beam, bool rearPlaneMovable);

    // Mouse down. A dragged quantity that is not chosen takes the place of a chosen one of the
    // same kind (conjugate, object-side or image-side beam) with its solved value, when the
    // selection rules accept the result; otherwise the press is ignored. beforeChange runs once
    // before the first change of the drag (the undo backup).
    BeamPress DragHitTest(double x, double y, GaussianBeam& beam, EffectiveConstants& constants,
                          const BeamHandles& handles, const std::function<void()>& beforeChange);

    // Mouse move: the value at the press times the mouse's offset from the reference over the
    // offset at the press; nothing while the offset at the press is 0. Radii and Rayleigh
    // lengths stay sizes, d and the detector distance never go below 0. Returns the 1-based
    // position of the written record (0 for d and the detector), or -1 when nothing changed.
    int DragMove(double x, double y, GaussianBeam& beam, EffectiveConstants& constants,
                 const std::function<void()>& beforeChange);

    // On the release, and when the release was lost. True when a handle was held.
    bool EndDrag();
    bool Dragging() const { return m_grab != kBeamGrabNone; }
    BeamGrab Grab() const { return m_grab; }

private:
    BeamGrab m_grab = kBeamGrabNone;
    BeamHandles m_handles;
    int m_number = -1;  // the dragged record's number, -1 for d and the detector
    double m_startOffset = 0.0;
    double m_startValue = 0.0;
    bool m_changeAnnounced = false;
};

}  // namespace lumarik
