// A canvas that records what is painted (text metrics: 7 pixels a character, 13 high), for
// the tests of the system and the beam drawing.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/Canvas.h"

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

}  // namespace lumarik::test
