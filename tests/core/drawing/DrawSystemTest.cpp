// What the system drawing paints: scale, arrows, rays and labels for real and virtual, near
// and remote conjugates, the lens and mirror symbols and the cardinal points, all within the
// picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>

#include "DrawingTestSupport.h"
#include "core/drawing/DrawingTexts.h"

namespace lumarik::test {
namespace {

constexpr double kTextHeight = RecordingCanvas::kTextHeight;

// One end beyond each border, both ends beyond two; the cut ends lie on the line. A ray from
// the object at infinity, z = -1e20 at height -1e20·tan w, meets the border at the height its
// slope gives. A segment with a non-finite end, or passing a corner outside, is not drawn; a
// polygon keeps its part inside; labels without clipping stay within ±100000 pixels, and one
// at a position that is not a number is left out.
TEST(DrawPrimitives, ClipsSegmentsAtEachBorderAndLimitsUnclippedText) {
    const ClipRect clip{-100.0, 100.0, -10.0, 10.0};
    const std::array<double, 8> cases[] = {
        {-180, 0, 20, 4, -100, 1.6, 20, 4},    {20, 4, 220, 8, 20, 4, 100, 5.6},
        {20, 4, 30, 16, 20, 4, 25, 10},        {20, 4, 10, -26, 20, 4, 46.0 / 3, -10},
        {-200, -5, 200, 15, -100, 0, 100, 10}, {-50, 1, 50, -1, -50, 1, 50, -1},
        {-1e20, -5e18, 0, 2, -100, -3, 0, 2}};
    for (const auto& c : cases) {
        std::array<double, 4> p{c[0], c[1], c[2], c[3]};
        ASSERT_TRUE(ClipSegment(clip, p[0], p[1], p[2], p[3])) << c[0] << " " << c[1];
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(p[i], c[4 + i], 1e-9) << c[0] << " " << i;
    }
    for (int i = 0; i < 5; ++i) {
        std::array<double, 4> p{-150.0, 5.0, -50.0, 30.0};  // i == 4: passes the corner
        if (i < 4) p[i] = std::nan("");
        EXPECT_FALSE(ClipSegment(clip, p[0], p[1], p[2], p[3])) << i;
    }
    // The triangle (2,0), (4,4), (0,4) inside 1..3 × 1..3: its sides cross every border.
    const std::vector<PixelPoint> cut = ClipPolygon({1, 3, 1, 3}, {{2, 0}, {4, 4}, {0, 4}});
    const std::vector<PixelPoint> corners = {{2.5, 1}, {3, 2}, {3, 3}, {1, 3}, {1, 2}, {1.5, 1}};
    const auto on = [](const std::vector<PixelPoint>& points, const PixelPoint& p) {
        return std::any_of(points.begin(), points.end(), [&](const PixelPoint& q) {
            return std::hypot(p.x - q.x, p.y - q.y) < 1e-12;
        });
    };
    for (const PixelPoint& p : cut) EXPECT_TRUE(on(corners, p)) << p.x << "," << p.y;
    for (const PixelPoint& p : corners) EXPECT_TRUE(on(cut, p)) << p.x << "," << p.y;
    RecordingCanvas canvas;
    EXPECT_FALSE(DrawText(canvas, DrawTransform{}, clip, 500.0, 0.0, "o", colours::kBlack, false));
    EXPECT_FALSE(DrawText(canvas, DrawTransform{}, clip, std::nan(""), 0.0, "o", 0, true));
    EXPECT_TRUE(DrawText(canvas, DrawTransform{}, clip, -1e20, 1e20, "o", colours::kBlack, true));
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).x, -100000.0);
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).y, -100000.0);
}

// Every call painted for the anchors (a lens with stop, both kinds of virtual conjugate, an
// object at infinity, a concave mirror and a thick lens; the lens symbol's short strokes only
// with the stop); for the other systems, which are about
// what an option shows or hides, the labels; for all, the drag handles and the world box.
TEST(DrawSystem, MatchesTheReviewedRecordings) {
    System thick = Lens(100, -200, 10, 5);
    thick.optics = {true, false, 1.0f, 1.5f, 10.0f};
    const Options all = DrawingOptions(false, true, true);
    const Options hide = DrawingOptions(true, false, false);
    const struct {
        const char* name;
        System system;
        Options options;
    } scenes[] = {
        {"lens_stop", Lens(100, -200, 10, 5), {}},
        {"lens_construction_points", Lens(100, -200, 10, 5), all},
        {"negative_lens", Lens(-100, -200, 10), all},
        {"concave_mirror", Mirror(Lens(-100, -200, 10, 5)), all},
        {"convex_mirror", Mirror(Lens(100, -200, 10, 5)), all},
        {"object_at_infinity", ObjectAtInfinity(100, 0.1f, 10), all},
        {"object_at_infinity_hidden", ObjectAtInfinity(100, 0.1f), hide},
        {"remote_object", Lens(100, -2100, 10), hide},
        {"remote_object_shown", Lens(100, -2100, 10), {}},
        {"remote_image", Lens(100, -105, 10, 5), hide},
        {"near_conjugates_hidden", Lens(100, -200, 10, 5), hide},
        {"image_at_infinity", Lens(100, -100, 10), all},
        {"thick_lens", thick, DrawingOptions(false, false, true)},
        {"virtual_object", Lens(-50, 30, 4), all},
        {"without_length", ObjectAtInfinity(0, 0.1f), all},
        {"object_below_axis", Lens(100, -400, -10), {}},
    };
    for (const auto& scene : scenes) {
        Drawn d(scene.system, scene.options);
        const GrabHandles& h = d.routines.Handles();
        TraceHandles(d.canvas, h.position,
                     h.valid + 2 * h.objectShown + 4 * h.imageShown + 8 * h.apertureDefined);
        const WorldBox& box = d.routines.Extents();
        d.canvas.Trace("extents", {box.zMin, box.zMax, box.yMin, box.yMax});
        const std::string name = scene.name;
        const bool anchor = name == "lens_stop" || name == "virtual_object" ||
                            name == "object_at_infinity" || name == "concave_mirror" ||
                            name == "thick_lens";
        std::string kept;
        std::istringstream trace(d.canvas.trace);
        for (std::string line; std::getline(trace, line);) {
            // The lens's rim marks and arrowheads: in full with the stop, elsewhere left out.
            double x1, y1, x2, y2;
            const bool stroke = name != "lens_stop" &&
                                std::sscanf(line.c_str(), "line %lf %lf %lf %lf #000000", &x1, &y1,
                                            &x2, &y2) == 4 &&
                                line.find(" #000000 ") != std::string::npos &&
                                std::hypot(x2 - x1, y2 - y1) < 8.5;
            if ((anchor && !stroke) || line.rfind("text", 0) == 0 ||
                line.rfind("handles", 0) == 0 || line.rfind("extents", 0) == 0)
                kept += line + "\n";
        }
        ExpectRecorded(scene.name, kept);
    }
}

// Every segment and label stays in the picture, for extreme values and every option; f' = 0
// with the object at infinity, a system without length, gets a small box around the lens.
// Labels of points that lie close together (N and N' of a thin lens in glass, F' where the
// image of an object at infinity stands) move sideways until no label covers another label or
// the image arrow.
TEST(DrawSystem, StaysInThePictureWithLabelsKeepingClear) {
    System thin = Lens(100, -200, 10, 5);
    thin.optics = {true, false, 1.0f, 1.5f, 2.0f};  // N and N' 2 mm apart
    // clang-format off
    const System systems[] = {Lens(100, -200, 10, 5), ObjectAtInfinity(100, 0.2f),
        Lens(100, -100, 10, 5), Lens(-50, 30, 4), Lens(100, -101, 1), Lens(100, -1.0e6f, 50, 5),
        thin, ObjectAtInfinity(100, -0.1f), ObjectAtInfinity(0, 0.1f)};
    // clang-format on
    for (int bits = 0; bits < 8; ++bits) {
        for (const System& system : systems) {
            const Drawn d(system, DrawingOptions(bits & 1, bits & 2, bits & 4));
            ASSERT_TRUE(d.drawn);
            EXPECT_LT(d.routines.Extents().zMin, d.routines.Extents().zMax);
            for (const PixelPoint& p : d.canvas.points) {
                EXPECT_TRUE(p.x >= 0 && p.x <= 900 && p.y >= 0 && p.y <= 600) << p.x << "," << p.y;
            }
            const auto& texts = d.canvas.texts;
            const auto right = [&](const RecordedText& t) { return t.x + 7.0 * t.text.size(); };
            const double image = d.X(d.code.Value(kParImageDist) + d.code.Constants().D());
            const double tip = d.Y(d.code.Value(kParImageHeight));
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const RecordedText& t = texts[i];
                EXPECT_TRUE(t.x >= 0 && right(t) <= 900 && t.y >= 0 && t.y + kTextHeight <= 600)
                    << t.text;
                for (std::size_t j = i + 1; j < texts.size(); ++j) {
                    EXPECT_TRUE(right(t) <= texts[j].x || right(texts[j]) <= t.x ||
                                t.y + kTextHeight <= texts[j].y || texts[j].y + kTextHeight <= t.y)
                        << t.text << " " << texts[j].text << " " << bits;
                }
                if (t.colour == colours::kBlack) continue;  // the arrows' own labels
                EXPECT_TRUE(right(t) < image || t.x > image || t.y >= std::max(tip, d.Y(0)) ||
                            t.y + kTextHeight <= std::min(tip, d.Y(0)))
                    << t.text << " " << bits;
            }
        }
    }
}

}  // namespace
}  // namespace lumarik::test
