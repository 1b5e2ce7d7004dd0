// Editing the system drawing with the mouse: which element a press grabs, making the dragged
// quantities chosen parameters, and the new values while the mouse moves. The document owns
// one instance; from a hit press to the release the drawing keeps the scale of the press.
#pragma once

#include <functional>
#include <optional>

#include "core/drawing/DrgRoutines.h"

namespace lumarik {

class LumarikCode;
class VarCollection;
struct Options;

// A record that enters the choice by a drag keeps its value, with limits opened around it as
// for a carried value.
void ReplaceKeepingValue(VarCollection& collection, int oldNumber, int newNumber, float value,
                         float margin);

// What a press grabbed; FindGrab gives the order in which the handles are tested.
enum GrabType : int {
    kGrabNone = 0,
    kGrabObjectArrow = 1,  // a and u
    kGrabObjectFoot = 2,   // a
    kGrabObjectTip = 3,    // u
    kGrabImageArrow = 4,   // a' and u'
    kGrabImageFoot = 5,    // a'
    kGrabImageTip = 6,     // u'
    kGrabLensRim = 7,      // aperture radius
    kGrabRearPlane = 8,    // principal-plane separation d
    kGrabFrontFocus = 9,   // f'
    kGrabRearFocus = 10,   // f'
};

struct PressResult {
    GrabType grab = kGrabNone;
    // The chosen parameters or the aperture parameter changed: the window rebuilds its rows
    // and boxes.
    bool selectionChanged = false;
};

class DrgTouch {
public:
    // Which handle lies under the pixel (x, y); the first hit wins, in this order: object foot,
    // tip, arrow; image foot, tip, arrow; lens rim (only with an aperture, and not with
    // construction rays); rear principal plane (advanced options, lens); F; F'. A point is hit
    // closer than 12 pixels in x and in y, a vertical handle closer than 10 pixels to its x and
    // strictly between its two heights.
    static GrabType FindGrab(double x, double y, const GrabHandles& handles,
                             const LumarikCode& code, const Options& options);

    // Mouse down in the drawing. On a hit the dragged quantities become chosen parameters:
    // the new choice is checked by the selection rules, another slot is tried when it is
    // refused, and the press is ignored (kGrabNone) when no choice keeps the selection valid.
    // beforeChange runs once, before the first change of the drag, whether that is at the press
    // or at a later move (the document takes its undo step there). The handles are those of
    // the last full drawing; they stay frozen until the drag ends.
    PressResult DragHitTest(double x, double y, LumarikCode& code, const Options& options,
                            const GrabHandles& handles, const std::function<void()>& beforeChange);

    // Mouse move during a drag: the dragged values in proportion to the distance of the mouse
    // from the reference plane (or the axis) against that at the press. Unless virtual objects
    // are allowed, the object stops one pixel short of P. True when a value changed; the window
    // then recalculates and redraws with the frozen scale.
    bool DragMove(double x, double y, LumarikCode& code, const std::function<void()>& beforeChange);

    // Ends a drag, on the release and also when the release is lost (the window lost the
    // mouse). True when a handle was held; the window then recalculates and redraws with a
    // fresh scale.
    bool EndDrag();

    GrabType Grab() const { return m_grab; }
    bool Dragging() const { return m_grab != kGrabNone; }

private:
    void Reset();
    // The object or image distance for a drag by dx from the press.
    std::optional<float> DraggedDistance(double dx) const;

    GrabType m_grab = kGrabNone;
    GrabHandles m_handles;
    // The dragged parameter numbers, -1 for none; looked up by number at every move, because
    // the collection keeps its records in number order.
    int m_distance = -1;
    int m_height = -1;
    double m_startOffsetX = 0.0;  // press x minus the x of the reference plane
    double m_startOffsetY = 0.0;  // press y minus the y of the axis
    double m_startDistance = 0.0;
    double m_startHeight = 0.0;
    double m_startAperture = 0.0;
    // Virtual objects are not allowed and the object distance is dragged: it stays negative.
    bool m_realObject = false;
    bool m_changeAnnounced = false;
};

}  // namespace lumarik
