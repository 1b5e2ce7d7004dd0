// The program-wide switches of lens/mirror mode that are not optical constants: how the
// object distance is signed, what the drawing shows, and the image-height preset in force.
#pragma once

namespace lumarik {

struct Options {
    bool positiveObj = false;     // a positive (virtual) object distance may be typed
    bool hideRemConj = false;     // leave far conjugates out of the drawing
    bool drawPoints = false;      // draw focal, principal and nodal points
    bool drawHaltingRay = false;  // construction rays
    bool showExtra = false;       // the extra-information tabs
    bool imageHeightPreset = false;
    int imageHeightPresetIndex = 0;
    bool beamMode = false;       // the Gaussian-beam mode replaces the paraxial one
    bool showExtraGB = true;     // the extra-information tab of the beam mode
    double beamDrawScale = 0.0;  // the fixed distance of the beam drawing's scale modes (mm)
    int beamDrawScaleType = 0;   // entry 0..6 of the beam drawing's scale list
};

}  // namespace lumarik
