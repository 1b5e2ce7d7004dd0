#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/document/LumarikDocument.h"
#include "core/model/ModeSwitches.h"
#include "core/model/Selection.h"

namespace lumarik {
namespace {

// Each switch sets one part of what a file holds, through the edits a user makes; the systems
// below combine them.
const std::vector<std::function<void(LumarikDocument&)>> kSwitches = {
    [](LumarikDocument& d) {
        for (Parameter k : {kParFocal, kParObjectDist, kParImageHeight}) d.SelectParameter(k, true);
        d.SelectAperture(kApFNumber, true);
        for (auto [row, x] : {std::pair{0, 100.0}, {1, -250.0}, {2, -10.0}, {kApertureRow, 4.0}})
            d.CommitNumber(row, x, nullptr);
        d.CommitLimit(1, false, "-300", "", nullptr);
    },
    [](LumarikDocument& d) {  // a mirror with advanced constants and every option
        d.SwitchLensMirror(true);
        d.SetAdvancedOptions(true);
        d.CommitAdvanced(kAdvIndexObject, "1.25", "");
        d.CommitAdvanced(kAdvWavelength, "632.8", "");
        d.SetPositiveObj(true);
        d.SetHideRemoteConjugates(true);
        d.SetDrawPoints(true);
        d.SetConstructionRays(true);
        d.SetShowExtra(true);
        d.ChooseImageHeightPreset(7, nullptr);
        d.ChooseCofCType(kCofCCustom);
        d.CommitCustomCofC("0.05");
    },
    [](LumarikDocument& d) {
        d.SetBeamMode(true);
        for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius})
            d.SelectBeamParameter(n, true);
        d.CommitBeamWavelength("1064");
        d.SetUseM2(true);
        d.CommitBeamOption(BeamOption::kM2, "1.3");
        d.SetDetectorOn(true);
        d.CommitBeamOption(BeamOption::kDetector, "250");
        d.CommitBeamOption(BeamOption::kMinSpot, "80");
        d.SetShowExtraGB(false);
        d.SetBeamDrawScaleType(3);
        d.CommitBeamDrawScale("40");
    },
    [](LumarikDocument& d) {
        d.SwitchDiodeMode(true);
        d.CommitBeamOption(BeamOption::kDiodeM2, "1.7");
        d.ChooseDiodeParamType(kBeamObjRadius);
        d.CommitBeamOption(BeamOption::kDiodeParam, "0.2");
        d.SwitchCircularisation(true);
        d.SetCollimationMode(1);
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

// A saved file, damaged (an entry replaced, or the text cut before it), is refused before
// anything changes: no undo step is taken. The forms of the entries are the file's own checks.
TEST(SystemFile, ADamagedFileChangesNothing) {
    const std::pair<const char*, const char*> damages[] = {{"GBMfactor=", nullptr},
                                                           {"VarTypeNos=3", "VarTypeNos=4"},
                                                           {"2VarTypeGBVal=1", "2VarTypeGBVal=4"},
                                                           {"GBWaveLen=1064", "GBWaveLen="}};
    for (auto [from, to] : damages) {
        std::string text = System(0b0101).SystemFileText();
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text = to == nullptr ? text.substr(0, at) : text.replace(at, std::strlen(from), to);
        LumarikDocument doc = System(0b0011);
        doc.SetConstructionRays(false);
        const std::string before = doc.SystemFileText();
        EXPECT_EQ(doc.OpenSystemFile(text), SystemFileStatus::kDamaged) << text;
        EXPECT_EQ(doc.SystemFileText(), before);
        EXPECT_EQ(doc.LastBackupReason(), kBackupConstructionRays);
    }
}

// A file in shape whose choice the selection rules refuse (three distances) is refused with the
// rule's message, and nothing changes; a beam choice the rules refuse is a damaged file.
TEST(SystemFile, AChoiceTheRulesRefuseIsRefusedWithTheirMessage) {
    std::string lens = System(0b0001).SystemFileText();
    lens.replace(lens.find("VarTypeVal3=7|"), 14, "VarTypeVal3=2|");
    LumarikDocument doc = System(0b0100);
    doc.SetConstructionRays(false);
    const std::string before = doc.SystemFileText();
    std::string_view message;
    EXPECT_EQ(doc.OpenSystemFile(lens, "/tmp/x.lumarik", &message), SystemFileStatus::kRefused);
    EXPECT_EQ(message, CheckSelectionNumbers({kParFocal, kParObjectDist, kParImageDist}).message);
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(doc.SystemFileText(), before);
    EXPECT_TRUE(doc.FilePath().empty() && doc.LastBackupReason() == kBackupConstructionRays);

    std::string beam = System(0b0100).SystemFileText();
    const std::size_t at = beam.find("3VarTypeGBVal=5|");
    ASSERT_NE(at, std::string::npos) << beam;
    beam.replace(at, 16, "3VarTypeGBVal=2|");
    EXPECT_EQ(doc.OpenSystemFile(beam, "/tmp/y.lumarik"), SystemFileStatus::kDamaged);
    EXPECT_EQ(doc.SystemFileText(), before);
}

// The chosen root of a two-root beam case reopens as saved; a file from before the root was
// kept opens with the first root.
TEST(SystemFile, TheChosenRootReopensAndOldFilesTakeTheFirst) {
    // f' = 100, s = 200, r' = 0.05 at 632.8 nm: the waist before the lens is 0.3997 mm with
    // s' = 101.56 mm, or 0.0504 mm with s' = 198.44 mm.
    LumarikDocument saved;
    saved.SetBeamMode(true);
    for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, kBeamImgRadius})
        saved.SelectBeamParameter(n, true);
    for (auto [row, x] : {std::pair{0, 100.0}, {1, 200.0}, {2, 0.05}})
        saved.CommitNumber(row, x, nullptr);
    saved.SetAltSolution(true);
    EXPECT_NEAR(saved.Beam().GetBeamValue(0, kBeamObjRadius), 0.3997, 1e-4);
    const std::string text = saved.SystemFileText();
    LumarikDocument doc;
    ASSERT_EQ(doc.OpenSystemFile(text), SystemFileStatus::kOk);
    EXPECT_TRUE(doc.Beam().AltSolution());
    EXPECT_NEAR(doc.Beam().GetBeamValue(0, kBeamObjRadius), 0.3997, 1e-4);
    EXPECT_NEAR(doc.Beam().GetBeamValue(0, kBeamImageDist), 101.56, 1e-2);

    std::string old = text;
    const std::size_t at = old.find("GBAltSolution=True\n");
    ASSERT_NE(at, std::string::npos) << old;
    old.erase(at, std::string("GBAltSolution=True\n").size());
    ASSERT_EQ(doc.OpenSystemFile(old), SystemFileStatus::kOk);
    EXPECT_FALSE(doc.Beam().AltSolution());
    EXPECT_NEAR(doc.Beam().GetBeamValue(0, kBeamObjRadius), 0.0504, 1e-4);
}

}  // namespace
}  // namespace lumarik
