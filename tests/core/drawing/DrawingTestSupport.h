// The systems the drawing tests use, and a drawing of one of them in a 900 × 600 picture.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "core/drawing/DrgRoutines.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"

namespace lumarik::test {

struct System {
    std::vector<Given> given;
    Optics optics{};
    int aperture = -1;  // aperture number, -1 for none
    float apertureValue = 0.0f;
    bool objectAtInfinity = false;
};

// f', a and u, with a stop radius when stop > 0.
inline System Lens(float fp, float a, float u, float stop = 0.0f) {
    return {{{kParFocal, fp}, {kParObjectDist, a}, {kParObjectHeight, u}},
            {},
            stop > 0.0f ? kApStopRadius : -1,
            stop};
}

inline System ObjectAtInfinity(float fp, float imageAngle, float stop = 0.0f) {
    System system = Lens(fp, kInfinity, 0.0f, stop);
    system.given[2] = {kParImageAngle, imageAngle};
    system.objectAtInfinity = true;
    return system;
}

inline System Mirror(System system) {
    system.optics.mirror = true;
    return system;
}

inline Options DrawingOptions(bool hideRemote, bool construction, bool points) {
    Options options;
    options.hideRemConj = hideRemote;
    options.drawHaltingRay = construction;
    options.drawPoints = points;
    return options;
}

struct Drawn {
    explicit Drawn(const System& system, Options drawingOptions = {}) : options(drawingOptions) {
        system.optics.ApplyTo(code);
        for (const Given& g : system.given) Choose(code, {g});
        if (system.aperture >= 0) GiveAperture(code, system.aperture, system.apertureValue);
        code.SetObjectAtInfinity(system.objectAtInfinity);
        code.Solve(true);
        drawn = routines.Redraw(canvas, code, options, false);
    }
    double X(double z) const { return std::round(routines.Transform().X(z)); }
    double Y(double y) const { return std::round(routines.Transform().Y(y)); }
    const RecordedLine* Line(double z1, double y1, double z2, double y2) const {
        return canvas.FindLine(X(z1), Y(y1), X(z2), Y(y2));
    }

    LumarikCode code;
    Options options;
    RecordingCanvas canvas;
    DrgRoutines routines;
    bool drawn = false;
};

}  // namespace lumarik::test
