// A canvas that records what is painted (text metrics: 7 pixels a character, 13 high), the
// systems the drawing tests use, and a drawing of one of them in a 900 × 600 picture.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/Canvas.h"
#include "core/drawing/DrgRoutines.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"

namespace lumarik::test {

struct RecordedLine {
    double x1, y1, x2, y2;
    Colour colour;
    PenStyle style;
    int width;
};

struct RecordedText {
    double x, y;
    std::string text;
    Colour colour;
};

struct RecordedPolyline {
    std::vector<PixelPoint> points;
    Colour colour;
    int width;
};

class RecordingCanvas : public Canvas {
public:
    static constexpr double kCharWidth = 7.0;
    static constexpr double kTextHeight = 13.0;

    explicit RecordingCanvas(double width = 900.0, double height = 600.0, int cleared = 0)
        : clears(cleared), m_scale{0.0, 0.0, width, height} {}

    ScaleRect Scale() const override { return m_scale; }
    void Clear() override { *this = RecordingCanvas(m_scale.width, m_scale.height, clears + 1); }
    void Line(double x1, double y1, double x2, double y2, Colour c, PenStyle s, int w) override {
        lines.push_back({x1, y1, x2, y2, c, s, w});
    }
    void Text(double x, double y, std::string_view text, Colour colour) override {
        texts.push_back({x, y, std::string(text), colour});
    }
    double TextWidth(std::string_view text) const override {
        return kCharWidth * static_cast<double>(text.size());  // the labels are ASCII
    }
    double TextHeight(std::string_view) const override { return kTextHeight; }
    void Box(double, double, double, double, Colour, bool) override { ++boxes; }
    void Circle(double, double, double, Colour, bool) override {}
    void Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle,
                  int width) override {
        polylines.push_back({points, colour, width});
    }

    const RecordedText* FindText(std::string_view text) const {
        const auto it = std::find_if(texts.begin(), texts.end(),
                                     [&](const RecordedText& t) { return t.text == text; });
        return it == texts.end() ? nullptr : &*it;
    }
    // A line between the two points, either way round, within half a pixel.
    const RecordedLine* FindLine(double x1, double y1, double x2, double y2) const {
        const auto at = [](double a1, double b1, double a2, double b2) {
            return std::fabs(a1 - a2) <= 0.5 && std::fabs(b1 - b2) <= 0.5;
        };
        for (const RecordedLine& l : lines) {
            if ((at(l.x1, l.y1, x1, y1) && at(l.x2, l.y2, x2, y2)) ||
                (at(l.x1, l.y1, x2, y2) && at(l.x2, l.y2, x1, y1))) {
                return &l;
            }
        }
        return nullptr;
    }
    // Lines with an end at pixel column x.
    long EndingAt(double x, Colour colour) const {
        return std::count_if(lines.begin(), lines.end(), [&](const RecordedLine& l) {
            return l.colour == colour && (l.x1 == x || l.x2 == x);
        });
    }
    long Count(Colour colour, PenStyle style) const {
        return std::count_if(lines.begin(), lines.end(), [&](const RecordedLine& l) {
            return l.colour == colour && l.style == style;
        });
    }

    int clears = 0;
    int boxes = 0;
    std::vector<RecordedLine> lines;
    std::vector<RecordedText> texts;
    std::vector<RecordedPolyline> polylines;

private:
    ScaleRect m_scale;
};

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
