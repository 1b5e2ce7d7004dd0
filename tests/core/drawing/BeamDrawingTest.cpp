// The beam drawing into a recording canvas: reviewed recordings, each scale mode's range, insets
// and texts keeping clear, both cylinder lenses, the read-out, and every beam handle dragging
// its value through the document, undone in one step.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "DrawingTestSupport.h"
#include "core/beam/BeamRelations.h"
#include "core/document/LumarikDocument.h"
#include "core/drawing/DrawingTexts.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "core/model/ModeSwitches.h"

namespace lumarik::test {
namespace {

using Typed = std::vector<std::pair<BeamQuantity, const char*>>;

const Typed kFocalObjectRadius = {
    {kBeamFocal, "100"}, {kBeamObjectDist, "200"}, {kBeamObjRadius, "0.5"}};
// A small waist keeps the image waist and the Rayleigh mark clear of F' and the object waist,
// and makes the inset relations peak sharply.
const Typed kSmallWaist = {{kBeamFocal, "100"}, {kBeamObjectDist, "200"}, {kBeamObjRadius, "0.05"}};

// A beam typed into a document, drawn into a picture of the given size.
struct Beam {
    explicit Beam(const Typed& typed = kFocalObjectRadius) {
        doc.SetBeamMode(true);
        for (const auto& [n, text] : typed) doc.SelectBeamParameter(n, true);
        for (std::size_t row = 0; row < typed.size(); ++row) {
            doc.CommitValue(static_cast<int>(row), typed[row].second, "", true, nullptr);
        }
    }
    void Diode() {
        doc.SwitchDiodeMode(true);
        // r of the y section, half that of the x section
        doc.CommitBeamOption(BeamOption::kDiodeParam, "0.25");
        doc.RecalcBeam();
    }
    bool Draw(double width = 900.0, double height = 600.0) {
        canvas = RecordingCanvas(width, height);
        return drawing.RedrawBeam(canvas, doc.Beam(), doc.BeamDrawing(printing), false);
    }
    double Value(int n) const { return doc.Beam().GetBeamValue(0, n); }
    double Result(int k) const { return doc.Beam().GetBeamResult(0, k); }

    LumarikDocument doc;
    RecordingCanvas canvas;
    DrgRoutinesGB drawing;
    bool printing = false;
};

// Every call painted, and the handles, for a small waist with its points and insets, M² with
// the detector in print, and a laser diode's two sections in one panel with their key; the
// other layouts and scale modes are held by the rules below.
TEST(BeamDrawing, MatchesTheReviewedRecordings) {
    const struct {
        const char* name;
        Typed typed;
        double width, height;
        void (*setup)(Beam&);
    } scenes[] = {
        {"beam_small_waist_points", kSmallWaist, 900, 600,
         [](Beam& b) { b.doc.SetDrawPoints(true); }},
        {"beam_m2_detector_printing", kFocalObjectRadius, 900, 600,
         [](Beam& b) {
             b.doc.SetUseM2(true);
             b.doc.CommitBeamOption(BeamOption::kM2, "4");
             b.doc.SetDetectorOn(true);
             b.doc.CommitBeamOption(BeamOption::kDetector, "50");
             b.printing = true;
         }},
        {"beam_diode_one", kFocalObjectRadius, 630, 600, [](Beam& b) { b.Diode(); }},
    };
    for (const auto& scene : scenes) {
        Beam beam(scene.typed);
        scene.setup(beam);
        beam.doc.RecalcBeam();
        ASSERT_TRUE(beam.Draw(scene.width, scene.height)) << scene.name;
        const double waist = beam.drawing.Transform(0).X(beam.Result(kResImageWaist));
        PaintReadout(beam.canvas, beam.drawing.ReadoutAt(waist, 300, beam.doc.Beam(), ','));
        TraceHandles(beam.canvas, beam.drawing.Handles().position, beam.drawing.Handles().valid);
        ExpectRecorded(scene.name, beam.canvas.trace);
    }
}

// A fixed distance of 0 stands for the length of the automatic range, and the focal modes take
// |f'|; f' = 0 with P' on P leaves them no range, and the automatic one stands in.
TEST(BeamDrawing, EachScaleModeGivesItsRange) {
    Beam beam({{kBeamFocal, "-100"}, {kBeamObjectDist, "200"}, {kBeamObjRadius, "0.5"}});
    const GaussianBeam& b = beam.doc.Beam();
    const double lo = b.BeamExtentMin(), hi = b.BeamExtentMax(), p = beam.Result(kResP);
    const double pp = beam.Result(kResPPrime), w = beam.Result(kResImageWaist);
    const struct {
        int mode;
        double fixed, zMin, zMax;
    } cases[] = {{kScaleAutomatic, 0, lo, hi},           {kScaleFromObject, 0, 0, hi - lo},
                 {kScaleAroundLens, 50, p - 50, p + 50}, {kScaleToImage, 50, w - 50, w},
                 {kScaleTwoFocal, 0, p - 200, pp + 200}, {kScaleFourFocal, 0, p - 400, pp + 400}};
    for (const auto& c : cases) {
        const ZRange range = BeamScaleRange(b, c.mode, c.fixed);
        EXPECT_TRUE(std::fabs(range.zMin - c.zMin) < 1e-9 && std::fabs(range.zMax - c.zMax) < 1e-9)
            << c.mode << ": " << range.zMin << " " << range.zMax;
    }
    GaussianBeam noFocal = b;
    noFocal.SetBeamValue(0, kBeamFocal, 0.0);
    const ZRange range = BeamScaleRange(noFocal, kScaleThreeFocal, 0.0);
    EXPECT_TRUE(range.zMin == b.BeamExtentMin() && range.zMax == b.BeamExtentMax());
}

// At the drawing's size at the window's first size (333 x 300) and at a maximised one, with
// the position labels crowded (P' on P) and for a laser diode: both insets are shown and lie
// clear of the envelope, each other and the label strip; every outline stays in the envelope's
// area; no two texts meet; and the larger picture gives the envelope more room.
TEST(BeamDrawing, InsetsStandClearOfTheEnvelopeAndNoTextsMeet) {
    const auto overlaps = [](const PixelBox& a, const PixelBox& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (bool diode : {false, true}) {
        PixelBox first;
        for (const auto& [width, height] : {std::pair{333.0, 300.0}, {975.0, 560.0}}) {
            Beam beam(kSmallWaist);
            beam.doc.SetDrawPoints(true);
            if (diode) beam.Diode();
            ASSERT_TRUE(beam.Draw(width, height));
            const std::string scene = (diode ? "diode " : "") + std::to_string(int(width));
            for (int i = 0; i < beam.drawing.SectionCount(); ++i) {
                const BeamPanelLayout& layout = beam.drawing.PanelLayout(i);
                const PixelBox& envelope = layout.envelope;
                const auto& [ratio, magnification] = layout.insets;
                if (!diode) {
                    EXPECT_GE(ratio.Width(), 50.0) << scene;
                    EXPECT_EQ(ratio.Width(), ratio.Height());
                }
                if (ratio.Width() > 0.0) {
                    for (const PixelBox& inset : {ratio, magnification}) {
                        EXPECT_FALSE(overlaps(inset, envelope) || overlaps(inset, layout.labels))
                            << scene;
                    }
                    EXPECT_FALSE(overlaps(ratio, magnification)) << scene;
                }
                if (i == 0 && !diode && width < 500.0) first = envelope;
                if (i == 0 && !diode && width > 500.0) {
                    EXPECT_TRUE(envelope.Width() > first.Width() &&
                                envelope.Height() > first.Height());
                }
                const DrawTransform& t = beam.drawing.Transform(i);
                EXPECT_NEAR(t.X(t.zMin), envelope.left, 1e-3);
                EXPECT_NEAR(t.X(t.zMax), envelope.right, 1e-3);
                EXPECT_NEAR(t.Y(t.yMax), envelope.top, 1e-3);
                EXPECT_NEAR(t.Y(t.yMin), envelope.bottom, 1e-3);
            }
            for (const RecordedPolyline& line : beam.canvas.polylines) {
                if (line.colour != colours::kRed && line.colour != colours::kBlue) continue;
                const auto in = [&](const PixelPoint& p) {
                    // The inset curves are red too: they lie inside their insets.
                    for (int i = 0; i < beam.drawing.SectionCount(); ++i) {
                        const BeamPanelLayout& layout = beam.drawing.PanelLayout(i);
                        for (const PixelBox& b :
                             {layout.envelope, layout.insets[0], layout.insets[1]}) {
                            if (p.x >= b.left - 0.01 && p.x <= b.right + 0.01 &&
                                p.y >= b.top - 0.01 && p.y <= b.bottom + 0.01) {
                                return true;
                            }
                        }
                    }
                    return false;
                };
                for (const PixelPoint& p : line.points)
                    EXPECT_TRUE(in(p)) << scene << ": " << p.x << "," << p.y;
            }
            const auto& texts = beam.canvas.texts;
            const auto box = [](const RecordedText& t) {
                return PixelBox{t.x, t.y, t.x + RecordingCanvas::kCharWidth * t.text.size(),
                                t.y + RecordingCanvas::kTextHeight};
            };
            for (std::size_t a = 0; a < texts.size(); ++a) {
                const PixelBox pa = box(texts[a]);
                EXPECT_TRUE(pa.left >= 0.0 && pa.right <= width && pa.bottom <= height)
                    << scene << ": " << texts[a].text;
                for (std::size_t b = a + 1; b < texts.size(); ++b) {
                    EXPECT_FALSE(overlaps(pa, box(texts[b])))
                        << scene << ": " << texts[a].text << " and " << texts[b].text;
                }
            }
        }
    }
}

// Circularised, each panel shows its section's cylinder lens as two faces 3 pixels either side
// of its P, joined at both ends, and the other section's as a dotted line at that one's P.
TEST(BeamDrawing, CircularisationShowsBothCylinderLenses) {
    Beam beam;
    beam.Diode();
    beam.doc.SwitchCircularisation(true);
    beam.doc.RecalcBeam();
    ASSERT_TRUE(beam.Draw(480, 600));          // stacked
    std::vector<std::array<double, 5>> black;  // x1 y1 x2 y2 and 1 for dotted
    std::istringstream trace(beam.canvas.trace);
    for (std::string row; std::getline(trace, row);) {
        std::array<double, 5> l{};
        int style = 0;
        if (std::sscanf(row.c_str(), "line %lf %lf %lf %lf #000000 %d", &l[0], &l[1], &l[2], &l[3],
                        &style) == 5)
            black.push_back({l[0], l[1], l[2], l[3], double(style)});
    }
    const auto drawn = [&](double x1, double y1, double x2, double y2, int style) {
        return std::any_of(black.begin(), black.end(), [&](const auto& l) {
            return std::fabs(l[0] - x1) < 0.6 && std::fabs(l[2] - x2) < 0.6 &&
                   std::fabs(l[1] - y1) < 0.6 && std::fabs(l[3] - y2) < 0.6 && l[4] == style;
        });
    };
    for (int i = 0; i < 2; ++i) {
        const DrawTransform& t = beam.drawing.Transform(i);
        // The beam's radius at the lens, M times that of the embedded Gaussian beam.
        const GaussianBeam& b = beam.doc.Beam();
        const double radius = b.GetBeamResult(i, kResLensRadius) * b.GetBeamMFactor(i);
        const double p = std::round(t.X(b.GetBeamResult(i, kResP)));
        const double other = std::round(t.X(b.GetBeamResult(1 - i, kResP)));
        const double top = std::round(t.Y(radius)), bottom = std::round(t.Y(-radius));
        EXPECT_TRUE(drawn(p - 3, bottom, p - 3, top, 0) && drawn(p + 3, bottom, p + 3, top, 0))
            << i;
        EXPECT_TRUE(drawn(p - 3, top, p + 3, top, 0) && drawn(p - 3, bottom, p + 3, bottom, 0))
            << i;
        EXPECT_TRUE(drawn(other, bottom, other, top, 1)) << i;
    }
}

// Plan at a waist, the waist law behind the lens; the second panel of a diode reads the y
// section, whose waist radius is half that of the x section. Nothing is read out where nothing
// was drawn.
TEST(BeamDrawing, TheReadOutIsPlanAtAWaistAndAbsentOffThePlot) {
    Beam beam;
    ASSERT_TRUE(beam.Draw());
    const DrawTransform& t = beam.drawing.Transform(0);
    const GaussianBeam& b = beam.doc.Beam();
    EXPECT_EQ(beam.drawing.ReadoutAt(t.X(0.0) + 0.3, 300, b, ',').text,
              "Abstand zur Objekttaille 0,0mm Radius: 0,5mm Krümmungsradius plan");
    EXPECT_FALSE(beam.drawing.ReadoutAt(10, 300, b, ',').shown);
    EXPECT_TRUE(beam.drawing.ReadoutAt(t.X(t.zMin), 300, b, ',').shown);  // the plot's edge
    // Behind the lens the numbers read back follow the waist law of the image waist.
    const double x = t.X(250.0), d = t.ZAt(x) - beam.Result(kResImageWaist);
    const double r = beam.Value(kBeamImgRadius), zr = kBeamPi * r * r / b.GetWavelengthMm();
    std::string text = beam.drawing.ReadoutAt(x, 300, b, ',').text;
    std::replace(text.begin(), text.end(), ',', '.');
    double shownD = 0, shownR = 0, shownCurvature = 0;
    ASSERT_EQ(std::sscanf(text.c_str(),
                          "Abstand zur Bildtaille %lfmm Radius: %lfmm Krümmungsradius %lfmm",
                          &shownD, &shownR, &shownCurvature),
              3)
        << text;
    EXPECT_NEAR(shownD, d, 0.05);
    EXPECT_NEAR(shownR, r * std::sqrt(1 + d * d / (zr * zr)), 0.0005);
    EXPECT_NEAR(shownCurvature, d + zr * zr / d, 0.0005);
    beam.Diode();
    for (double width : {720.0, 480.0}) {  // side by side and stacked
        ASSERT_TRUE(beam.Draw(width, 600));
        const double waistY = beam.drawing.Transform(1).X(0.0);
        EXPECT_NE(beam.drawing.ReadoutAt(waistY, 590, b, ',').text.find("Radius: 0,25mm"),
                  std::string::npos)
            << width;
    }
    // In the drawing of the window's first size the read-out, both sections in one panel,
    // stays whole inside the picture wherever the cursor stands.
    ASSERT_TRUE(beam.Draw(333, 300));
    for (double x = 0; x <= 333; x += 4) {
        RecordingCanvas canvas(333, 300);
        PaintReadout(canvas, beam.drawing.ReadoutAt(x, 150, b, ','));
        for (const RecordedText& t : canvas.texts)
            EXPECT_TRUE(t.x >= 0 && t.x + RecordingCanvas::kCharWidth * t.text.size() <= 333)
                << t.text << " at " << x;
    }
}

enum class Sign { kKept, kSize, kNotBelowZero };

struct DragCase {
    friend void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    int x, y;       // the handle
    int reference;  // the pixel the offset is measured from
    bool vertical;
    int number;  // the dragged record; -1: d or the detector distance
    Sign sign;
    Typed typed;
    std::vector<int> chosenAfterPress;
};

// clang-format off
const Typed kImageSide = {{kBeamFocal, "100"}, {kBeamObjectDist, "200"}, {kBeamImgRadius, "0.1"}};
const Typed& kPlain = kFocalObjectRadius;
const DragCase kDrags[] = {
    {"Lens", kBeamHandlePX, kBeamHandleLensRadiusY, kBeamHandleObjWaistX, false, kBeamObjectDist,
     Sign::kKept, kPlain, {0, 1, 5}},
    {"ObjRadius", kBeamHandleObjWaistX, kBeamHandleObjRadiusY, kBeamHandleAxisY, true,
     kBeamObjRadius, Sign::kSize, kPlain, {0, 1, 5}},
    {"ObjRayleigh", kBeamHandleObjRayleighX, kBeamHandleObjRayleighY, kBeamHandleObjWaistX, false,
     kBeamObjRayleigh, Sign::kSize, kSmallWaist, {0, 1, 7}},
    {"FrontFocus", kBeamHandleFX, kBeamHandleAxisY, kBeamHandlePX, false, kBeamFocal, Sign::kKept,
     kPlain, {0, 1, 5}},
    {"RearPlane", kBeamHandlePPrimeX, kBeamHandleLensRadiusY, kBeamHandlePX, false, -1,
     Sign::kNotBelowZero, kPlain, {0, 1, 5}},
    {"ImageWaist", kBeamHandleImgWaistX, kBeamHandleAxisY, kBeamHandlePPrimeX, false,
     kBeamImageDist, Sign::kKept, kPlain, {1, 2, 5}},
    {"ImgRadius", kBeamHandleImgWaistX, kBeamHandleImgRadiusY, kBeamHandleAxisY, true,
     kBeamImgRadius, Sign::kSize, kImageSide, {0, 1, 8}},
    {"ImgRayleigh", kBeamHandleImgRayleighX, kBeamHandleImgRayleighY, kBeamHandleImgWaistX, false,
     kBeamImgRayleigh, Sign::kSize, kImageSide, {0, 1, 10}},
    {"RearFocus", kBeamHandleFPrimeX, kBeamHandleAxisY, kBeamHandlePPrimeX, false, kBeamFocal,
     Sign::kKept, kSmallWaist, {0, 1, 5}},
    {"Detector", kBeamHandleDetectorX, kBeamHandleAxisY, kBeamHandlePPrimeX, false, -1,
     Sign::kNotBelowZero, kPlain, {0, 1, 5}},
};
// clang-format on

class BeamDrag : public testing::TestWithParam<DragCase> {};

// The dragged value goes with the offset from its reference: ×1.5, then ×−0.5 (across the
// reference), and one Undo brings back the choice and the values before the press.
TEST_P(BeamDrag, EachHandleDragsItsValueProportionally) {
    const DragCase& c = GetParam();
    Beam beam(c.typed);
    const bool detector = c.x == kBeamHandleDetectorX;
    const EffectiveConstants& constants = beam.doc.Model().Constants();
    if (c.x == kBeamHandlePPrimeX) {
        beam.doc.SetAdvancedOptions(true);
        beam.doc.CommitAdvanced(kAdvSeparation, "10", "");
    }
    beam.doc.SetDetectorOn(detector);
    beam.doc.CommitBeamOption(BeamOption::kDetector, "50");
    beam.doc.RecalcBeam();
    ASSERT_TRUE(beam.Draw());
    const auto& h = beam.drawing.Handles().position;
    const std::vector<int> before = beam.doc.Beam().Selection(0).Numbers();
    const VarCollection& list = beam.doc.Beam().Selection(0);
    const auto value = [&] {
        if (c.number >= 0) return static_cast<double>(list.VarValue(list.PositionOf(c.number)));
        return detector ? beam.doc.Beam().DetectorDistance()
                        : static_cast<double>(constants.StoredD());
    };
    const double start = c.number >= 0 ? beam.Value(c.number) : value();

    // A plane is held halfway up, beyond the reach of a point at its end.
    const bool plane = c.y == kBeamHandleLensRadiusY;
    const double x = h[static_cast<std::size_t>(c.x)] + 1.0;
    const double y = plane ? (h[kBeamHandleAxisY] + h[kBeamHandleLensRadiusY]) / 2.0
                           : h[static_cast<std::size_t>(c.y)] + 1.0;
    const BeamPress press = beam.doc.StartBeamDrag(x, y, beam.drawing.Handles());
    ASSERT_NE(press.grab, kBeamGrabNone);
    EXPECT_EQ(list.Numbers(), c.chosenAfterPress);
    EXPECT_EQ(press.selectionChanged, before != c.chosenAfterPress);
    // A changed choice is told: the quantity now chosen, the one now computed, and Undo.
    const std::string& notice = beam.doc.DragNotice();
    EXPECT_EQ(notice.empty(), !press.selectionChanged) << notice;
    if (press.selectionChanged) {
        const BeamSymbols& symbols = beam.doc.Beam().Symbols();
        EXPECT_NE(notice.find(symbols.Symbol(c.number) + " gewählt statt "), std::string::npos);
        EXPECT_NE(notice.find("Rückgängig"), std::string::npos);
    }
    EXPECT_NEAR(value(), start, 1e-6 * std::fabs(start));

    const double ref = h[static_cast<std::size_t>(c.reference)];
    const double pressed = c.vertical ? y : x;
    for (double factor : {1.5, -0.5}) {
        const double to = ref + factor * (pressed - ref);
        EXPECT_TRUE(beam.doc.MoveBeamDrag(c.vertical ? x : to, c.vertical ? to : y).shown);
        double expected = start * factor;
        if (c.sign == Sign::kSize) expected = std::fabs(expected);
        if (c.sign == Sign::kNotBelowZero) expected = std::max(expected, 0.0);
        EXPECT_NEAR(value(), expected, 1e-5 * std::fabs(start)) << factor;
    }
    EXPECT_TRUE(beam.doc.EndDrag());
    ASSERT_TRUE(beam.doc.Undo());
    EXPECT_EQ(list.Numbers(), before);
    if (c.number >= 0 && list.Contains(c.number)) {
        EXPECT_NEAR(value(), start, 1e-6 * std::fabs(start));
    }
}

INSTANTIATE_TEST_SUITE_P(Handles, BeamDrag, testing::ValuesIn(kDrags),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumarik::test
