// The scaled drawing of the solved first-order system: optical axis, rays, object and image
// arrows with their labels, the lens or mirror symbol and the cardinal points. The object
// keeps what must survive between drawings (world box, transform, lens height, grab handles);
// the window owns one and calls Redraw after every calculation and display-option change.
#pragma once

#include <array>

#include "core/drawing/Canvas.h"
#include "core/drawing/DrawPrimitives.h"

namespace lumarik {

class LumarikCode;
struct Options;

// Indexes of the grab-handle table: pixel y of heights, pixel x of planes.
enum GrabHandle : int {
    kHandleAxisY = 0,
    kHandleObjectTipY = 1,
    kHandleImageTipY = 2,
    kHandleLensTopY = 3,     // +h, the drawn lens half-height
    kHandleLensBottomY = 4,  // -h
    kHandleObjectX = 5,
    kHandleFX = 6,
    kHandlePX = 7,
    kHandlePPrimeX = 8,
    kHandleFPrimeX = 9,
    kHandleImageX = 10,
    kHandleCount = 11,
};

// The pixel positions that the drag editing hit-tests, as of the last full drawing.
struct GrabHandles {
    std::array<float, kHandleCount> position{};
    bool valid = false;            // a drawing was made; nothing can be grabbed otherwise
    bool objectShown = false;      // the object is neither at infinity nor left out as remote
    bool imageShown = false;       // likewise the image
    bool apertureDefined = false;  // the lens height is the aperture radius
};

// The world box of a drawing, millimetres.
struct WorldBox {
    double zMin = 0.0;
    double zMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
};

// Three chosen parameters with values and a solve without failure: the tables hold a system
// that can be drawn and edited.
bool SystemSolved(const LumarikCode& code);

class DrgRoutines {
public:
    // Clears the canvas, then DrawSystem.
    bool Redraw(Canvas& canvas, const LumarikCode& code, const Options& options,
                bool dragInProgress);
    // Draws the system when the model holds a solution (three chosen parameters with values,
    // no failure) and the canvas is larger than the margins; true when drawn. While a drag is
    // in progress (update guard 2) the world box, the transform and the grab handles of the
    // last drawing are kept, so the scale does not change even when the picture is resized,
    // and the clip widens to the whole inner width.
    bool DrawSystem(Canvas& canvas, const LumarikCode& code, const Options& options,
                    bool dragInProgress);

    const DrawTransform& Transform() const { return m_transform; }
    const ClipRect& Clip() const { return m_clip; }
    const WorldBox& Extents() const { return m_extents; }
    double LensHeight() const { return m_lensHeight; }
    const GrabHandles& Handles() const { return m_handles; }

private:
    WorldBox m_extents;
    bool m_hasExtents = false;
    DrawTransform m_transform;
    ClipRect m_clip;
    double m_lensHeight = 0.0;
    GrabHandles m_handles;
};

}  // namespace lumarik
