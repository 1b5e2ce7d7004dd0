// A canvas that records what is painted (text metrics: 7 pixels a character, 13 high), also as
// a trace of every call to a hundredth of a pixel; the systems the drawing tests use, and a
// drawing of one of them in a 900 × 600 picture.
#pragma once

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing/Canvas.h"
#include "core/drawing/DrgRoutines.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"
#include "support/Recording.h"

namespace lumarik::test {

struct RecordedText {
    double x, y;
    std::string text;
    Colour colour;
};

struct RecordedPolyline {
    std::vector<PixelPoint> points;
    Colour colour;
};

class RecordingCanvas : public Canvas {
public:
    static constexpr double kCharWidth = 7.0;
    static constexpr double kTextHeight = 13.0;

    explicit RecordingCanvas(double width = 900.0, double height = 600.0, int cleared = 0)
        : clears(cleared), m_scale{0.0, 0.0, width, height} {}

    ScaleRect Scale() const override { return m_scale; }
    void Clear() override {
        *this = RecordingCanvas(m_scale.width, m_scale.height, clears + 1);
        Trace("clear");
    }
    void Line(double x1, double y1, double x2, double y2, Colour c, PenStyle s, int w) override {
        points.insert(points.end(), {{x1, y1}, {x2, y2}});
        Trace("line", {x1, y1, x2, y2}, c, static_cast<int>(s), w);
    }
    void Text(double x, double y, std::string_view text, Colour colour) override {
        texts.push_back({x, y, std::string(text), colour});
        Trace("text", {x, y}, colour, 0, 0, text);
    }
    double TextWidth(std::string_view text) const override {
        return kCharWidth * static_cast<double>(text.size());  // the labels are ASCII
    }
    double TextHeight(std::string_view) const override { return kTextHeight; }
    void Box(double x1, double y1, double x2, double y2, Colour c, bool filled) override {
        Trace("box", {x1, y1, x2, y2}, c, filled);
    }
    void Circle(double x, double y, double radius, Colour c, bool filled) override {
        Trace("circle", {x, y, radius}, c, filled);
    }
    void Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle style,
                  int width) override {
        polylines.push_back({points, colour});
        this->points.insert(this->points.end(), points.begin(), points.end());
        std::vector<double> xy;
        for (const PixelPoint& p : points) xy.insert(xy.end(), {p.x, p.y});
        Trace("polyline", xy, colour, static_cast<int>(style), width);
    }

    // One line of the trace: the call, its coordinates, its colour and flags, and a text.
    void Trace(const char* call, const std::vector<double>& numbers = {}, Colour colour = 0,
               int flag = 0, int width = 0, std::string_view text = {}) {
        trace += call;
        char cell[40];
        for (double v : numbers) {
            std::snprintf(cell, sizeof cell, " %.2f", v);
            trace += std::string(cell) == " -0.00" ? " 0.00" : cell;
        }
        if (!numbers.empty()) {
            std::snprintf(cell, sizeof cell, " #%06x %d %d", colour, flag, width);
            trace += cell;
        }
        if (!text.empty()) trace.append(" ").append(text);
        trace += '\n';
    }

    int clears = 0;
    std::vector<PixelPoint> points;  // the ends of every line and the vertices of every polyline
    std::vector<RecordedText> texts;
    std::vector<RecordedPolyline> polylines;
    std::string trace;

private:
    ScaleRect m_scale;
};

// A drawing's trace against tests/data/drawings/<name>.txt; render one with
// scripts/show-drawing.py to look at it.
inline void ExpectRecorded(const std::string& name, const std::string& trace) {
    ExpectRecording("drawings/" + name + ".txt", trace);
}

template <std::size_t N>
void TraceHandles(RecordingCanvas& canvas, const std::array<float, N>& position, int flags) {
    canvas.Trace("handles", std::vector<double>(position.begin(), position.end()), 0, flags);
}

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

    LumarikCode code;
    Options options;
    RecordingCanvas canvas;
    DrgRoutines routines;
    bool drawn = false;
};

}  // namespace lumarik::test
