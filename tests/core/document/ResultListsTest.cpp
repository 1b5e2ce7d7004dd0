// What an export of the document's lists holds, against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/document/LumarikDocument.h"
#include "core/document/ResultLists.h"
#include "core/drawing/Canvas.h"
#include "core/drawing/DrgRoutines.h"

namespace lumarik {
namespace {

const ExportRow* Find(const std::vector<ExportRow>& rows, std::string_view list,
                      std::string_view quantity) {
    for (const ExportRow& row : rows) {
        if (row.list == list && row.quantity == quantity) return &row;
    }
    return nullptr;
}

double Number(std::string text) {
    for (char& c : text) c = c == ',' ? '.' : c;
    return std::stod(text);
}

// f' = 100, a = -250: 1/a' = 1/100 - 1/250 gives a' = 166.66667 and m = a'/a = -2/3, so
// u = -10 gives u' = 6.666667 — digits the screen's one decimal would cut.
TEST(ExportedLists, LensListingAtFullPrecisionWithWavelengthAndDepthOfField) {
    LumarikDocument doc;
    doc.SetSeparators(NumberSeparators::WithDecimal(','));
    for (Parameter k : {kParFocal, kParObjectDist, kParObjectHeight}) doc.SelectParameter(k, true);
    doc.SelectAperture(kApFNumber, true);
    for (auto [row, x] : {std::pair{0, 100.0}, {1, -250.0}, {2, -10.0}, {kApertureRow, 4.0}})
        doc.CommitNumber(row, x, nullptr);
    const std::vector<ExportRow> rows = ExportTable(ExportedLists(doc), ',');

    const ExportRow* image = Find(rows, "Ergebnisse", "Bildweite");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->value, "166,6667");
    EXPECT_EQ(image->unit, "mm");
    const ExportRow* height = Find(rows, "Ergebnisse", "Bildhöhe");
    ASSERT_NE(height, nullptr);
    EXPECT_NEAR(Number(height->value), 20.0 / 3.0, 1e-5);
    const ExportRow* wavelength = Find(rows, "Ergebnisse", "Wellenlänge");
    ASSERT_NE(wavelength, nullptr);
    EXPECT_EQ(wavelength->value + wavelength->unit, "546,1nm");
    EXPECT_NE(Find(rows, "Schärfentiefeauswertung", "Nahpunkt"), nullptr);
    for (const ExportRow& row : rows) {
        EXPECT_FALSE(row.value.empty()) << row.quantity;
        EXPECT_EQ(row.quantity.find("Näherung"), std::string::npos);
    }
}

// A waist of 0.5 mm at 632.8 nm has the Rayleigh length pi·w0²/lambda = 1241.2 mm.
TEST(ExportedLists, BeamListingAtFullPrecision) {
    LumarikDocument doc;
    doc.SetBeamMode(true);
    for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius})
        doc.SelectBeamParameter(n, true);
    for (auto [row, x] : {std::pair{0, 100.0}, {1, 200.0}, {2, 0.5}})
        doc.CommitNumber(row, x, nullptr);
    const std::vector<ExportRow> rows = ExportTable(ExportedLists(doc), '.');
    const double expected = M_PI * 0.25 / 632.8e-6;
    bool found = false;
    for (const ExportRow& row : rows) {
        if (row.quantity.rfind("Rayleigh[in]", 0) != 0) continue;
        found = true;
        EXPECT_NEAR(Number(row.value), expected, expected * 1e-6) << row.value;
    }
    EXPECT_TRUE(found);
    const ExportRow* wavelength = Find(rows, "Ergebnisse", "Wellenlänge");
    ASSERT_NE(wavelength, nullptr);
    EXPECT_EQ(wavelength->value, "632.8");
    // The depth of focus at the default growth of 5 %: ±zr'·√(1.05² − 1), with zr' = m²·zr and
    // m = 1/√((1 − s/f')² + (zr/f')²) (Self 1983), as a plain number.
    const double m = 1 / std::hypot(1 - 200.0 / 100, expected / 100);
    const ExportRow* depth = nullptr;
    for (const ExportRow& row : rows) {
        if (row.list != "Ergebnisse" && row.quantity.rfind("Schärfentiefe", 0) == 0) depth = &row;
    }
    ASSERT_NE(depth, nullptr);
    EXPECT_NEAR(Number(depth->value), m * m * expected * std::sqrt(1.05 * 1.05 - 1), 1e-5);
    EXPECT_EQ(depth->unit, "mm");
}

// Undo on a new document has nothing to take back.
TEST(LumarikDocument, UndoWithoutAChangeIsRefused) {
    LumarikDocument doc;
    EXPECT_FALSE(doc.Undo());
}

// A 900 × 600 picture that draws nothing and measures text at 7 × 13 pixels a character.
struct BlankCanvas : Canvas {
    ScaleRect Scale() const override { return {0.0, 0.0, 900.0, 600.0}; }
    void Clear() override {}
    void Line(double, double, double, double, Colour, PenStyle, int) override {}
    void Text(double, double, std::string_view, Colour) override {}
    double TextWidth(std::string_view t) const override { return 7.0 * t.size(); }
    double TextHeight(std::string_view) const override { return 13.0; }
    void Box(double, double, double, double, Colour, bool) override {}
    void Circle(double, double, double, Colour, bool) override {}
    void Polyline(const std::vector<PixelPoint>&, Colour, PenStyle, int) override {}
};

// f' = 100, a = -200, u = 10 puts the image tip at u' = -10; dragged below the axis it grows,
// and one Undo takes the whole drag back.
TEST(LumarikDocument, DraggingTheImageTipMovesTheImageHeight) {
    LumarikDocument doc;
    for (Parameter k : {kParFocal, kParObjectDist, kParObjectHeight}) doc.SelectParameter(k, true);
    for (auto [row, x] : {std::pair{0, 100.0}, {1, -200.0}, {2, 10.0}})
        doc.CommitNumber(row, x, nullptr);
    BlankCanvas canvas;
    DrgRoutines routines;
    ASSERT_TRUE(routines.Redraw(canvas, doc.Model(), doc.Opts(), false));
    const auto& at = routines.Handles().position;
    const double x = at[kHandleImageX], y = at[kHandleImageTipY];
    ASSERT_EQ(doc.StartLensDrag(x, y, routines.Handles()).grab, kGrabImageTip);
    ASSERT_TRUE(doc.MoveLensDrag(x, y + 2.0 * (y - at[kHandleAxisY])).has_value());
    EXPECT_TRUE(doc.EndDrag());
    EXPECT_NEAR(doc.Model().Value(kParImageHeight), -30.0f, 1e-3);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.Model().Selected().Contains(kParImageHeight));
}

}  // namespace
}  // namespace lumarik
