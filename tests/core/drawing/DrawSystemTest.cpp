// What the system drawing paints: scale, arrows, rays and labels for real and virtual, near
// and remote conjugates, the lens and mirror symbols, the cardinal points, and when nothing
// may be drawn.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>

#include "DrawingTestSupport.h"
#include "core/drawing/DrawingTexts.h"

namespace lumarik::test {
namespace {

constexpr double kTextHeight = RecordingCanvas::kTextHeight;
constexpr double kWholePixel = 0.5;  // labels stand on whole pixels

// One end beyond each border, both ends beyond two; the cut ends lie on the line. A ray from
// the object at infinity, z = -1e20 at height -1e20·tan w, meets the border at the height its
// slope gives. A segment with a non-finite end, or passing a corner outside, is not drawn; a
// polygon keeps its part inside; labels without clipping stay within ±100000 pixels.
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
    EXPECT_TRUE(DrawText(canvas, DrawTransform{}, clip, -1e20, 1e20, "o", colours::kBlack, true));
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).x, -100000.0);
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).y, -100000.0);
}

struct ExtentCase {
    friend void PrintTo(const ExtentCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    System system;
    Options options;
    double zMin, zMax, half, lensHeight;
};

class Extents : public ::testing::TestWithParam<ExtentCase> {};

// Both conjugates and the cardinal points, the aperture radius beside a mirror, and a remote
// conjugate whose side takes the length of the other; the box is symmetric about the axis.
TEST_P(Extents, HoldTheSystem) {
    const ExtentCase& c = GetParam();
    const Drawn d(c.system, c.options);
    ASSERT_TRUE(d.drawn);
    const WorldBox& box = d.routines.Extents();
    EXPECT_NEAR(box.zMin, c.zMin, 1e-4 * (c.zMax - c.zMin));
    EXPECT_NEAR(box.zMax, c.zMax, 1e-4 * (c.zMax - c.zMin));
    EXPECT_NEAR(box.yMin, -c.half, 1e-4 * c.half);
    EXPECT_NEAR(box.yMax, c.half, 1e-4 * c.half);
    EXPECT_NEAR(d.routines.LensHeight(), c.lensHeight, 1e-4 * c.lensHeight);
}

const double kFar = 1.0 / (1.0 / 100 - 1.0 / 10000);  // a' of f' = 100, a = -10000
const double kFarU = 10 * kFar / 10000;
const Options kRays = DrawingOptions(false, true, false);
const Options kHide = DrawingOptions(true, false, false);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, Extents, ::testing::Values(
    ExtentCase{"LensWithStop", Lens(100, -200, 10, 5), {}, -200, 200, 10, 5},
    ExtentCase{"ConstructionRays", Lens(100, -200, 10), kRays, -200, 200, 11, 10},
    ExtentCase{"ObjectAtInfinity", ObjectAtInfinity(50, 0.1f, 10), {}, -50, 50,
               12 + 50 * std::tan(0.1), 10},
    ExtentCase{"ImageAtInfinity", Lens(100, -100, 10, 5), {}, -100, 100, 15, 5},
    ExtentCase{"MirrorStopBehind", Mirror(Lens(-100, -200, 10, 12.5f)), {}, -200, 12.5, 12.5,
               12.5},
    ExtentCase{"RemoteObjectHidden", Lens(100, -10000, 10), kHide, -kFar, kFar, kFarU, kFarU},
    ExtentCase{"ObjectBelowTheAxis", Lens(100, -400, -10), {}, -400, 400.0 / 3, 10, 10},
    ExtentCase{"WithoutLength", ObjectAtInfinity(0, 0.1f), {}, -1, 1, 0.2, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(DrawSystem, PositiveLensWithApertureIsDrawnToScaleWithOutwardArrowheadsAndCaps) {
    const Drawn d(Lens(100, -200, 10, 5));  // a' = 200, u' = -10
    ASSERT_TRUE(d.drawn);
    // The world -200..200 × -10..10 fills the 880 pixels of the inner width.
    EXPECT_FLOAT_EQ(d.routines.Transform().xScale, 2.2f);
    EXPECT_NE(d.Line(-200, 0, 200, 0), nullptr);
    EXPECT_EQ(d.canvas.Count(colours::kBlack, PenStyle::kDotted), 0);
    EXPECT_EQ(d.Line(-200, 0, 0, 5)->colour, colours::kRed);  // marginal ray to the rim
    // Each label on the side of the axis away from its arrow.
    EXPECT_NEAR(d.canvas.FindText(drawtexts::kObject)->x, 10.0 - 3.5, kWholePixel);
    EXPECT_NEAR(d.canvas.FindText(drawtexts::kObject)->y, 300.0, kWholePixel);
    EXPECT_NEAR(d.canvas.FindText(drawtexts::kImage)->y, 300.0 - 1.2 * kTextHeight, kWholePixel);
    // P at x 450 and P' one pixel to its right, the rim at y 289 and 311.
    EXPECT_EQ(d.canvas.FindLine(450, 289, 450, 311)->width, 2);
    EXPECT_EQ(d.canvas.FindLine(451, 289, 451, 311)->width, 2);
    EXPECT_EQ(d.canvas.FindLine(450, 289, 447, 289)->width, 2);  // caps
    EXPECT_NE(d.canvas.FindLine(450, 289, 450, 281), nullptr);   // outward arrowheads
    EXPECT_NE(d.canvas.FindLine(450, 281, 447, 285), nullptr);
    EXPECT_NE(d.canvas.FindLine(451, 319, 454, 315), nullptr);
}

TEST(DrawSystem, NegativeLensShowsTheVirtualImageDottedWithRealStubs) {
    const Drawn d(Lens(-100, -200, 10));  // a' = -66.7, u' = 3.33, no aperture
    ASSERT_TRUE(d.drawn);
    EXPECT_DOUBLE_EQ(d.routines.LensHeight(), 10.0);  // the larger height
    const double ap = d.code.Value(kParImageDist);
    const double up = d.code.Value(kParImageHeight);
    EXPECT_EQ(d.Line(ap, 0, ap, up)->style, PenStyle::kDotted);
    // The arrow and four image-side rays dotted; each ray goes on solid beyond the lens.
    EXPECT_EQ(d.canvas.Count(colours::kBlack, PenStyle::kDotted) +
                  d.canvas.Count(colours::kRed, PenStyle::kDotted),
              5);
    const double slope = (10.0 - up) / -ap;
    EXPECT_EQ(d.Line(0, 10, 10, 10 + 10 * slope)->style, PenStyle::kSolid);
    const double x = d.X(0.0);
    const double top = d.Y(10.0);
    EXPECT_NE(d.canvas.FindLine(x, top - 4, x - 3, top - 8), nullptr);  // inward arrowheads
    EXPECT_EQ(d.canvas.FindLine(x, top, x - 3, top), nullptr);          // no caps
}

TEST(DrawSystem, MirrorDrawsOnePlaneWithStrokesOnTheSideOfTheFocalLength) {
    // Concave (f' < 0, real image in front) and convex (f' > 0, virtual image behind).
    for (float fp : {-100.0f, 100.0f}) {
        const Drawn d(Mirror(Lens(fp, -200, 10, 5)));
        const double x = d.X(0.0);
        const double side = fp > 0.0f ? 3.0 : -3.0;
        EXPECT_EQ(d.canvas.FindLine(x, d.Y(5), x + side, d.Y(5) - 8)->width, 2) << fp;
        EXPECT_NE(d.canvas.FindLine(x, d.Y(-5), x + side, d.Y(-5) + 8), nullptr) << fp;
        EXPECT_EQ(d.canvas.FindLine(x + 1, d.Y(5), x + 1, d.Y(-5)), nullptr) << fp;  // no P'
        const double ap = d.code.Value(kParImageDist);
        EXPECT_EQ(d.Line(ap, 0, ap, d.code.Value(kParImageHeight))->style,
                  fp > 0.0f ? PenStyle::kDotted : PenStyle::kSolid);
    }
}

// A remote object is left out; the left side gets the length of the image side, the label
// stands at the left border and the rays come in from there.
TEST(DrawSystem, RemoteObjectIsLabelledAtTheLeftBorderWithRaysFromThere) {
    struct Case {
        System system;
        std::string_view label;
    };
    for (const Case& c : {Case{ObjectAtInfinity(100, 0.1f), drawtexts::kObjectAtInfinity},
                          Case{Lens(100, -2100, 10), drawtexts::kObjectRemote}}) {  // |a| = 20|a'|
        const Drawn d(c.system, DrawingOptions(true, false, false));
        ASSERT_TRUE(d.drawn);
        EXPECT_DOUBLE_EQ(d.routines.Extents().zMin, -std::fabs(d.code.Value(kParImageDist)));
        ASSERT_NE(d.canvas.FindText(c.label), nullptr) << c.label;
        EXPECT_DOUBLE_EQ(d.canvas.FindText(c.label)->x, 0.0);
        // The tip lies above the box: the label stands on its top edge, over the rays.
        EXPECT_NEAR(d.canvas.FindText(c.label)->y + kTextHeight, d.Y(d.routines.Extents().yMax),
                    kWholePixel);
        EXPECT_EQ(d.canvas.FindText(drawtexts::kObject), nullptr);
        const double border = d.X(d.routines.Extents().zMin);  // the axis and three rays
        EXPECT_GE(d.canvas.EndingAt(border, colours::kBlack), 4) << c.label;
        EXPECT_EQ(d.canvas.EndingAt(border, colours::kRed), 1) << c.label;  // marginal ray
        EXPECT_FALSE(d.routines.Handles().objectShown);
    }
}

TEST(DrawSystem, ImageAtInfinityKeepsTheScaleAndSendsParallelRaysToTheRightBorder) {
    const Drawn d(Lens(100, -100, 10));  // a = f: a' is the infinity marker
    ASSERT_TRUE(d.drawn);
    EXPECT_FLOAT_EQ(d.routines.Transform().xScale, 4.4f);  // world -100..100
    const RecordedText* label = d.canvas.FindText(drawtexts::kImageAtInfinity);
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->x, 900.0 - 14 * RecordingCanvas::kCharWidth, kWholePixel);
    const RecordedText* o = d.canvas.FindText(drawtexts::kObject);  // beside the arrow
    EXPECT_NEAR(o->x, 10.0 - 7.0 - 2.0, kWholePixel);
    EXPECT_NEAR(o->y, d.routines.Transform().Y(10.0) - kTextHeight / 2.0, kWholePixel);
    EXPECT_GE(d.canvas.EndingAt(890.0, colours::kBlack), 4);  // the axis and three rays
}

TEST(DrawSystem, ConstructionRaysRunThroughTheLensCentreAndTheFocalPoints) {
    const Drawn d(Lens(100, -200, 10, 5), DrawingOptions(false, true, false));
    ASSERT_TRUE(d.drawn);
    struct Ray {
        double z1, y1, z2, y2;
        Colour colour;
    };
    for (const Ray& r :
         {Ray{-200, 10, 0, 10, colours::kRed}, Ray{0, 10, 200, -10, colours::kRed},
          Ray{-200, 10, 0, 0, colours::kGreen}, Ray{0, 0, 200, -10, colours::kGreen},
          Ray{-200, 10, 0, -10, colours::kBlue}, Ray{0, -10, 200, -10, colours::kBlue}}) {
        const RecordedLine* line = d.Line(r.z1, r.y1, r.z2, r.y2);
        ASSERT_NE(line, nullptr) << r.z1 << "," << r.y1 << " " << r.z2 << "," << r.y2;
        EXPECT_EQ(line->colour, r.colour);
    }
    EXPECT_EQ(d.canvas.Count(colours::kRed, PenStyle::kSolid), 2);
}

TEST(DrawSystem, CardinalPointsWithDifferentIndicesIncludeNodalPointsAboveTheAxis) {
    for (float separation : {10.0f, 0.0f}) {  // with d = 0, N and N' fall on one spot
        System thick = Lens(100, -200, 10, 5);
        thick.optics = {true, false, 1.0f, 1.5f, separation};
        const Drawn d(thick, DrawingOptions(false, false, true));
        const double axis = d.routines.Transform().Y(0.0);
        const auto text = [&](int i) {
            return d.canvas.FindText(d.code.Catalogue().CardinalSymbol(i));
        };
        for (int i : {kCardN, kCardNPrime}) {
            EXPECT_EQ(text(i)->colour, colours::kMagenta);
            EXPECT_NEAR(text(i)->y + kTextHeight, axis - 10.0, kWholePixel);
            const double z = d.code.CardinalPoint(i);
            const RecordedLine* tick = d.Line(z, 0, z, d.routines.Transform().YLength(4));
            EXPECT_TRUE(tick->colour == colours::kMagenta && tick->width == 1);
        }
        EXPECT_LE(text(kCardN)->x + 7.0, text(kCardNPrime)->x);  // side by side
        // Over one spot, N stands three quarters of its width left of its centred place.
        EXPECT_NEAR(text(kCardN)->x,
                    d.routines.Transform().X(d.code.CardinalPoint(kCardN)) - 3.5 -
                        (separation == 0.0f ? 5.25 : 0.0),
                    1.0);
        for (int i : {kCardF, kCardFPrime}) {
            EXPECT_EQ(text(i)->colour, colours::kBlue);
            EXPECT_NEAR(text(i)->y, axis, kWholePixel);
        }
        EXPECT_EQ(text(kCardP)->colour, colours::kRed);
        EXPECT_LT(text(kCardP)->x + 7.0, text(kCardPPrime)->x);
        EXPECT_EQ(d.canvas.boxes, separation != 0.0f ? 1 : 0);  // blank between the planes
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
    const std::vector<System> systems = {Lens(100, -200, 10, 5),
                                         ObjectAtInfinity(100, 0.2f),
                                         Lens(100, -100, 10, 5),
                                         Lens(-50, 30, 4),
                                         Lens(100, -101, 1),
                                         Lens(100, -1.0e6f, 50, 5),
                                         thin,
                                         ObjectAtInfinity(100, -0.1f),
                                         ObjectAtInfinity(0, 0.1f)};
    for (int bits = 0; bits < 8; ++bits) {
        for (const System& system : systems) {
            const Drawn d(system, DrawingOptions(bits & 1, bits & 2, bits & 4));
            ASSERT_TRUE(d.drawn);
            EXPECT_LT(d.routines.Extents().zMin, d.routines.Extents().zMax);
            for (const RecordedLine& l : d.canvas.lines) {
                EXPECT_TRUE(std::fmin(l.x1, l.x2) >= 0 && std::fmax(l.x1, l.x2) <= 900 &&
                            std::fmin(l.y1, l.y2) >= 0 && std::fmax(l.y1, l.y2) <= 600);
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

TEST(DrawSystem, DrawsNothingWithoutSolutionOrRoom) {
    System noSolution = Lens(100, -200, 10, 5);
    noSolution.given[1] = {kParTrack, 300.0f};  // t < 4·f' has no real solution
    const Drawn failed(noSolution);
    ASSERT_TRUE(failed.code.NoSolution());
    EXPECT_FALSE(failed.drawn);
    const Drawn solved(Lens(100, -200, 10, 5));
    for (auto [width, height] : {std::pair{20.0, 600.0}, {900.0, 0.0}, {900.0, -5.0}}) {
        RecordingCanvas canvas(width, height);
        DrgRoutines routines;
        EXPECT_FALSE(routines.Redraw(canvas, solved.code, solved.options, false));
        EXPECT_EQ(canvas.clears, 1);
        EXPECT_TRUE(canvas.lines.empty() && canvas.texts.empty());
        EXPECT_FALSE(routines.Handles().valid);
    }
    EXPECT_TRUE(failed.canvas.lines.empty() && failed.canvas.texts.empty());
    EXPECT_FALSE(failed.routines.Handles().valid);
}

TEST(DrawSystem, KeepsTheScaleDuringADragAndRescalesAfterwards) {
    Drawn d(Lens(100, -200, 10, 5));
    const DrawTransform before = d.routines.Transform();
    const float handleBefore = d.routines.Handles().position[kHandleObjectX];
    d.code.Selected().SetVarValue(d.code.Selected().PositionOf(kParObjectDist), -400.0f);
    d.code.Solve(true);
    ASSERT_TRUE(d.routines.Redraw(d.canvas, d.code, d.options, true));
    EXPECT_FLOAT_EQ(d.routines.Transform().xScale, before.xScale);
    EXPECT_FLOAT_EQ(d.routines.Handles().position[kHandleObjectX], handleBefore);
    EXPECT_DOUBLE_EQ(d.routines.Clip().zMin, before.ZAt(10.0));  // the whole inner width
    RecordingCanvas taller(900.0, 700.0);  // the window relayouted after the press
    ASSERT_TRUE(d.routines.Redraw(taller, d.code, d.options, true));
    EXPECT_FLOAT_EQ(d.routines.Transform().yBottom, before.yBottom);
    EXPECT_FLOAT_EQ(d.routines.Transform().xLeft, before.xLeft);
    ASSERT_TRUE(d.routines.Redraw(d.canvas, d.code, d.options, false));
    EXPECT_LT(d.routines.Transform().xScale, before.xScale);
    EXPECT_DOUBLE_EQ(d.routines.Clip().zMin, -400.0);
}

}  // namespace
}  // namespace lumarik::test
