// Input that no beam can have is refused with a German reason and changes nothing; a beam
// beyond the paraxial regime is taken but the listing warns.
#include <gtest/gtest.h>

#include <cmath>

#include "core/beam/BeamRelations.h"
#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

struct Entry {
    const char* box;  // "M2", "M2y", "detector", "minspot", "wavelength", "w", "wlimit"
    const char* typed;
    bool taken;
};

class BeamInput : public ::testing::Test {
protected:
    // f' = 100 mm, s = 200 mm, w = 1 mrad at 632.8 nm (zr = λ/(π·w²) = 201.4 mm).
    void Choose(BeamQuantity third, const char* thirdValue) {
        doc.SetBeamMode(true);
        for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, third})
            doc.SelectBeamParameter(n, true);
        Type(0, "100");
        Type(1, "200");
        Type(2, thirdValue);
    }
    void Type(int row, const char* text) { doc.CommitValue(row, text, "", true, nullptr); }
    // The text of the box after the commit and whether a reason was given.
    std::pair<bool, std::string> Commit(const Entry& e) {
        const std::string box = e.box;
        if (box == "w" || box == "wlimit") {
            if (box == "wlimit") {
                const LimitCommit c = doc.CommitLimit(2, true, e.typed, "", nullptr);
                return {c.outcome == LimitCommit::Outcome::kRefused, std::string(c.message)};
            }
            const ValueCommit c = doc.CommitValue(2, e.typed, "", true, nullptr);
            return {!c.beam.refusal.empty(), c.beam.refusal};
        }
        BeamOptionCommit c;
        if (box == "wavelength") {
            c = doc.CommitBeamWavelength(e.typed);
        } else {
            const BeamOption option = box == "M2"         ? BeamOption::kM2
                                      : box == "M2y"      ? BeamOption::kDiodeM2
                                      : box == "detector" ? BeamOption::kDetector
                                                          : BeamOption::kMinSpot;
            c = doc.CommitBeamOption(option, e.typed);
        }
        return {!c.message.empty(), std::string(c.message)};
    }
    bool Warned() const {
        for (const BeamListRow& row : doc.Beam().ListBeamResults(true)) {
            if (row.name.find("nicht paraxial") != std::string::npos) return true;
        }
        return false;
    }

    LumarikDocument doc;
};

TEST_F(BeamInput, ImpossibleValuesAreRefusedWithAReasonAndChangeNothing) {
    Choose(kBeamObjDivergence, "1");
    const Entry entries[] = {
        {"M2", "0,5", false},  // narrower than the Gaussian beam
        {"M2", "2", true},
        {"M2y", "0,99", false},
        {"detector", "1e308", false},  // the whole system turned "keine Lösungen"
        {"detector", "100001", false},
        {"detector", "100000", true},
        {"minspot", "1e300", false},
        {"minspot", "250", true},
        {"wavelength", "9,9", false},
        {"wavelength", "1064", true},
        // π/2 rad = 1570.796 mrad; 1e38 mrad fits a float as radians only
        {"w", "1e38", false},
        {"w", "1571", false},
        {"w", "-1571", false},
        {"w", "1570", true},
        {"wlimit", "1e38", false},
    };
    for (const Entry& e : entries) {
        const std::string before = doc.SystemFileText();
        doc.SetConstructionRays(false);  // a step of another reason: a refusal takes none
        const BackupReason mark = doc.LastBackupReason();
        const auto [refused, message] = Commit(e);
        SCOPED_TRACE(std::string(e.box) + " " + e.typed);
        EXPECT_EQ(refused, !e.taken) << message;
        if (e.taken) continue;
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(doc.LastBackupReason(), mark);
        EXPECT_EQ(doc.SystemFileText(), before);
    }
    EXPECT_EQ(doc.Beam().GetWavelengthNm(), 1064.0);
    EXPECT_EQ(doc.Beam().GetM2(0), 2.0);
}

// f', m and w given: s = f' + √(f'²/m² − zr²) needs zr ≤ f'/m = 200 mm. With w = 2 mrad,
// zr = λ/(π·w²) is 50.4 mm at 632.8 nm, 84.7 mm at 1064 nm and 795.8 mm at 10000 nm.
TEST_F(BeamInput, AnOptionNeverLeavesASolvedSystemUnsolved) {
    doc.SetBeamMode(true);
    for (BeamQuantity n : {kBeamFocal, kBeamMag, kBeamObjDivergence}) {
        doc.SelectBeamParameter(n, true);
    }
    Type(0, "100");
    Type(1, "0,5");
    Type(2, "2");
    ASSERT_TRUE(doc.Beam().AxisSolved(0));
    const BeamOptionCommit far = doc.CommitBeamWavelength("10000");
    EXPECT_FALSE(far.stored);
    EXPECT_FALSE(far.message.empty());
    EXPECT_TRUE(doc.Beam().AxisSolved(0));
    EXPECT_EQ(doc.Beam().GetWavelengthNm(), 632.8);
    EXPECT_TRUE(doc.CommitBeamWavelength("1064").stored);
    EXPECT_TRUE(doc.Beam().AxisSolved(0));
}

// The bounds: a half divergence of 0.1 rad, a beam radius at the lens of |f'|/4. At the lens
// R = √(r² + (s·w)²): s = 200 mm, w = 1 mrad gives 0.28 mm; s = 20000 mm 20.0 mm; s = 30000 mm
// 30.0 mm, above 25 mm. M² = 4 doubles the shown divergence.
TEST_F(BeamInput, TheListingWarnsBeyondTheParaxialRegime) {
    Choose(kBeamObjDivergence, "1");
    EXPECT_FALSE(Warned());
    Type(2, "99");
    EXPECT_FALSE(Warned());
    Type(2, "101");
    EXPECT_TRUE(Warned());
    Type(2, "60");
    EXPECT_FALSE(Warned());
    doc.CommitBeamOption(BeamOption::kM2, "4");
    doc.SetUseM2(true);
    EXPECT_TRUE(Warned());  // 120 mrad as shown
    doc.SetUseM2(false);
    Type(2, "1");
    // Focused from so wide a beam the image side diverges by about R/f' anyway.
    const auto wide = [&] {
        return doc.Beam().NotParaxialText().find("Strahlradius") != std::string::npos;
    };
    Type(1, "20000");
    EXPECT_FALSE(wide());
    Type(1, "30000");
    EXPECT_TRUE(wide());
}

// The power through the lens's clear radius a follows 1 − exp(−2a²/R²) with R the beam radius
// at the lens as shown: doubled by M² = 4. Below 99 % the extra information warns.
TEST_F(BeamInput, TransmittedPowerUsesTheShownRadius) {
    Choose(kBeamObjDivergence, "1");
    EXPECT_TRUE(doc.Beam().TransmissionText().empty());
    EXPECT_FALSE(doc.CommitBeamOption(BeamOption::kLensAperture, "-1").message.empty());
    ASSERT_TRUE(doc.CommitBeamOption(BeamOption::kLensAperture, "0,5").stored);
    const double radius = doc.Beam().GetBeamResult(0, kResLensRadius);  // 0.284 mm
    const auto expected = [](double a, double w) { return 1.0 - std::exp(-2.0 * a * a / (w * w)); };
    EXPECT_NEAR(doc.Beam().LensTransmission().value(), expected(0.5, radius), 1e-12);
    EXPECT_EQ(doc.Beam().TransmissionText().find("beschnitten"), std::string::npos);
    doc.CommitBeamOption(BeamOption::kM2, "4");
    doc.SetUseM2(true);
    EXPECT_NEAR(doc.Beam().LensTransmission().value(), expected(0.5, 2.0 * radius), 1e-12);
    EXPECT_NE(doc.Beam().TransmissionText().find("beschnitten"), std::string::npos);
    // The detector counts while it is on.
    doc.CommitBeamOption(BeamOption::kDetectorAperture, "1");
    EXPECT_FALSE(doc.Beam().DetectorTransmission());
    doc.SetDetectorOn(true);
    EXPECT_TRUE(doc.Beam().DetectorTransmission());
    const std::string text = doc.Beam().TransmissionText();
    EXPECT_NE(text.find("%\r\nLeistung auf dem Detektor"), std::string::npos) << text;
    // A laser diode's spot is elliptical: each section's radius as shown.
    doc.SwitchDiodeMode(true);
    doc.CommitBeamOption(BeamOption::kDiodeM2, "9");
    const GaussianBeam& beam = doc.Beam();
    ASSERT_TRUE(beam.AxisSolved(1));
    EXPECT_NEAR(beam.LensTransmission().value(),
                TransmittedFraction(0.5, 2.0 * beam.GetBeamResult(0, kResLensRadius),
                                    3.0 * beam.GetBeamResult(1, kResLensRadius))
                    .value(),
                1e-12);
}

}  // namespace
}  // namespace lumarik
