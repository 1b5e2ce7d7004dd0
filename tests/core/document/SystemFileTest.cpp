#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

CVarType Rec(int number, float value, float low, float high) {
    return CVarType{static_cast<std::int16_t>(number), value, true, low, high, true, true};
}

// Each switch sets one part of what a file holds; the systems below combine them.
const std::vector<std::function<void(LumarikDocument&)>> kSwitches = {
    [](LumarikDocument& d) {
        d.Model().Selected().Add(Rec(kParFocal, 100, 90, 110));
        d.Model().Selected().Add(Rec(kParObjectDist, -250, -300, -200));
        d.Model().Selected().Add(Rec(kParObjectHeight, 10, 9, 11));
        d.Model().Apertures().Add(Rec(kApFNumber, 4, 3.5f, 4.5f));
    },
    [](LumarikDocument& d) {  // a mirror with advanced constants and every option
        d.SwitchLensMirror(true);
        EffectiveConstants& c = d.Model().Constants();
        c.SetAdvancedOptions(true);
        c.SetN(1.25f);
        c.SetNPrime(-1.25f);
        c.SetWavelength(632.8f);
        Options& o = d.Opts();
        o.positiveObj = o.hideRemConj = o.drawPoints = o.drawHaltingRay = o.showExtra = true;
        o.imageHeightPreset = true;
        o.imageHeightPresetIndex = 7;
        d.Model().DepthOfField().SetCofCType(kCofCCustom);
        d.Model().DepthOfField().SetCofCCustomVal(0.05f);
    },
    [](LumarikDocument& d) {
        d.SetBeamMode(true);
        for (int n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius}) d.SelectBeamParameter(n, true);
        d.Beam().SetWavelengthNm(1064);
        d.Beam().SetUseM2(true);
        d.Beam().SetM2(0, 1.3);
        d.Beam().SetDetectorOn(true);
        d.Beam().SetDetectorDistance(250);
        d.Beam().SetMinSpotDistance(80);
        d.Opts().showExtraGB = false;
        d.Opts().beamDrawScaleType = 3;
        d.Opts().beamDrawScale = 40;
    },
    [](LumarikDocument& d) {
        d.Beam().SetDiodeMode(true);
        d.Beam().SetM2(1, 1.7);
        d.Beam().LoadDiodeParam(5, 0.2);
        d.Beam().SetCircularise(true);
        d.Beam().SetCollimationMode(1);
    },
};

LumarikDocument System(unsigned mask) {
    LumarikDocument d;
    for (std::size_t i = 0; i < kSwitches.size(); ++i)
        if (mask & (1U << i)) kSwitches[i](d);
    return d;
}

// Save -> open -> save gives the same file, for every combination of mode and options; opening
// over another system and undoing gives that system back whole, options included.
TEST(SystemFile, RoundTripAndUndoOfEveryModeAndOption) {
    const unsigned all = (1U << kSwitches.size()) - 1;
    for (unsigned mask = 0; mask <= all; ++mask) {
        SCOPED_TRACE(mask);
        const std::string saved = System(mask).SystemFileText();
        LumarikDocument other = System(all & ~mask);
        const std::string before = other.SystemFileText();
        ASSERT_EQ(other.OpenSystemFile(saved), SystemFileStatus::kOk);
        EXPECT_EQ(other.SystemFileText(), saved);
        EXPECT_TRUE(other.Undo());
        EXPECT_EQ(other.SystemFileText(), before);
    }
}

// A saved file, damaged, is refused before anything changes: no undo step is taken.
struct Damage {
    const char* from;
    const char* to;  // replaces `from` in the saved text; nothing: the text ends before it
    friend void PrintTo(const Damage& d, std::ostream* os) {
        *os << d.from << " -> " << (d.to != nullptr ? d.to : "(cut)");
    }
};

class SystemFileRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(SystemFileRefusal, NothingChanges) {
    const Damage& damage = GetParam();
    std::string text = System(0b0101).SystemFileText();
    const std::size_t at = text.find(damage.from);
    ASSERT_NE(at, std::string::npos) << damage.from;
    text = damage.to == nullptr ? text.substr(0, at)
                                : text.replace(at, std::strlen(damage.from), damage.to);
    LumarikDocument doc = System(0b0011);
    doc.TakeBackup(kBackupValue);
    const std::string before = doc.SystemFileText();
    EXPECT_EQ(doc.OpenSystemFile(text), SystemFileStatus::kDamaged) << text;
    EXPECT_EQ(doc.SystemFileText(), before);
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
}

// The forms of the entries are the file's own checks; these are the loads that refuse.
INSTANTIATE_TEST_SUITE_P(Files, SystemFileRefusal,
                         ::testing::Values(Damage{"GBMfactor=", nullptr},
                                           Damage{"VarTypeNos=3", "VarTypeNos=4"},
                                           Damage{"2VarTypeGBVal=1", "2VarTypeGBVal=4"},
                                           Damage{"GBWaveLen=1064", "GBWaveLen="}));

}  // namespace
}  // namespace lumarik
