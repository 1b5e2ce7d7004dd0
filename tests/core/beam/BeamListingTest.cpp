// What the beam mode shows, recorded for a set of scenes: the listed rows, the flags, results
// and remembered values, the option boxes, the symbols, the depth of focus, the minimum spot,
// the lens table and the diode controls; besides, no shown value that looks like zero.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "BeamTestSupport.h"
#include "core/beam/BeamRelations.h"
#include "core/model/Catalogue.h"
#include "support/Recording.h"

namespace lumarik::test {
namespace {

const std::vector<LensSample> kSamples = {
    {"Einzellinse A", 95, 12.5, false}, {"Achromat B", 105, 0, false},
    {"Triplet C", 100, 10, false},      {"Zylinder 10", 10, 5, true},
    {"Zylinder 30", 30, 5, true},       {"Einzellinse D", 95, 8, false},
    {"Zylinder 6", 6.5, 3, true},       {"Achromat E", 200, 20, false},
};

// The lines of a scene's recording that its case is about: those that start with one of the
// keys ("   B" is the caption); "*" keeps every line.
std::string Kept(const std::string& text, std::string_view keys) {
    std::istringstream in(text);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (keys == "*" || StartsWithAny(line, keys)) kept += line + "\n";
    return kept;
}

// The choices (with limits where set), every listed row, the depth of focus and the minimum
// spot, a line each; then flags, results, remembered values, option boxes and symbols, growths
// and the lens table, the laser-diode controls with the y-section choices; last the caption.
std::string Recorded(GaussianBeam& beam) {
    const std::vector<BeamListRow> rows = beam.ListBeamResults(beam.SolveBeam(true));
    std::string text;
    for (int axis = 0; axis < kBeamAxes; ++axis) {
        const VarCollection& list = beam.Selection(axis);
        text += "chosen";
        for (int i = 1; i <= list.Count(); ++i) {
            const CVarType& item = list.Item(i);
            text += " " + std::to_string(list.VarType(i)) + "=" + beam.RecordValueText(item);
            if (item.sLimLow != 0 || item.sLimHih != 0)
                text +=
                    "[" + std::to_string(item.sLimLow) + "," + std::to_string(item.sLimHih) + "]";
        }
        text += "\n";
    }
    for (const BeamListRow& row : rows) text += row.name + "\t" + row.value + "\n";
    text += "depth of focus\t" + beam.DepthOfFocusText(0) + "\n";
    std::string spot = beam.MinimumSpotText();
    for (std::size_t at; (at = spot.find("\r\n")) != std::string::npos;) spot.replace(at, 2, " | ");
    text += "minimum spot\t" + spot + "\nflags";
    auto bits = [&text](const std::vector<bool>& values) {
        text += ' ';
        for (bool v : values) text += v ? '1' : '0';
    };
    for (int axis = 0; axis < kBeamAxes; ++axis) {
        const BeamAxisFlags& f = beam.Flags(axis);
        bits({f.inputsDefined, f.solveFailed, f.objBeamMissing, f.imgBeamMissing,
              beam.AxisSolved(axis)});
    }
    // Results and remembered values of the x section to six digits.
    std::ostringstream numbers;
    numbers << std::setprecision(6) << "\nresults";
    for (int k = 0; k < kBeamResultCount; ++k) numbers << ' ' << beam.GetBeamResult(0, k);
    numbers << " extents " << beam.BeamExtentMin() << ' ' << beam.BeamExtentMax();
    numbers << "\nmemory";
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        const CVarType& m = beam.Memory(0, n);
        numbers << ' ' << m.bVarValDef << ':' << m.sVarValue << '/' << m.sLimLow << '/'
                << m.sLimHih;
    }
    // What each option box shows and takes of some typed values (0: refused), then the symbols.
    numbers << "\noptions";
    for (int o = 0; o < 5; ++o) {
        numbers << " | " << beam.OptionText(static_cast<BeamOption>(o)) << ':';
        for (double typed :
             {-2.0, 0.0, 1e-3, 1.0, 2.5, 3.0, 30.0, 49.9, 50.0, 120.0, 121.0, std::nan("")})
            numbers << ' ' << beam.OptionChange(static_cast<BeamOption>(o), typed).value_or(0);
    }
    numbers << "\nsymbols";
    for (int n = 0; n < kBeamValueCount; ++n) numbers << ' ' << beam.Symbols().Symbol(n);
    for (int k = 0; k < kBeamResultCount; ++k) numbers << ' ' << beam.Symbols().ResultSymbol(k);
    text += numbers.str() + "\n";
    text += "growths";
    for (const std::string& entry : beam.DofEntryTexts()) text += " " + entry;
    for (int entry = -1; entry <= 7; ++entry) {  // -1 and 7 lie outside: the default growth
        beam.SetDofIndex(entry);
        text += " " + beam.DepthOfFocusText(0);
    }
    const LensTable lenses = beam.LensTableFor(kSamples);
    text += "\nlenses " + lenses.header[0] + "|" + lenses.header[1] + "|" + lenses.header[2];
    for (const LensTableRow& row : lenses.rows)
        text += " " + row.cells[0] + "|" + row.cells[1] + "|" + row.cells[2];
    const DiodeControls c = beam.DiodeControlStates();
    text += "\ncontrols";
    bits({c.circulariseEnabled, c.circulariseTicked, c.collimationEnabled, c.paramTypeEnabled,
          c.paramValueEnabled, c.diodeM2Enabled, c.m2Enabled, c.altSolutionEnabled});
    bits(std::vector<bool>(c.selectionEnabled.begin(), c.selectionEnabled.end()));
    for (const DiodeParamEntry& entry : beam.DiodeParamEntries())
        text += " " + std::to_string(entry.number) + "=" + entry.text;
    text += " " + std::to_string(c.collimationIndex) + " " + std::to_string(c.paramTypeIndex) +
            " " + c.paramValueText + " " + c.diodeM2Text + "\n";
    return text + beam.ModeCaption() + "\n";
}

// A laser diode whose y section has 2.25 times the M² and three times the divergence.
void DiodeScene(GaussianBeam& b) {
    b.SetDiodeMode(true);
    b.SetUseM2(true);
    b.SetM2(1, 2.25);
    b.SetDetectorOn(true);
    b.SetDetectorDistance(40);
    ChooseBeam(b, {{0, 50}, {1, 100}, {6, 0.001}});
    b.SetDiodeParamValue(0.003);
}

// Every symbol with a name comes from the reader in the user style, keyed by its name.
std::string MarkedSymbol(std::string_view key, std::string_view fallback) {
    return key == "Brennweite: " ? std::string("F") : std::string(fallback) + "*";
}

// A lens and a mirror, immersion, M² with the detector and the minimum spot, the laser diode with
// and without circularisation and with either section left unsolved, the image side given with
// the other root, an empty and an incomplete choice, a waist in the front focal plane, values
// shown in scientific notation, objects near and far, choices without a solution, and the
// symbols and option boxes.
TEST(ListBeamResults, MatchesTheReviewedRecordings) {
    using B = GaussianBeam&;
    // clang-format off
    const struct { const char* name; const char* keys; void (*setup)(B); } scenes[] = {
        {"plain", "*", [](B b) { ChooseBeam(b, {{0, 100}, {1, 300}, {5, 1.0}}); }},
        {"multimode_detector", "Multimode|Strahl rad[in]|Strahlradius|Strahl div[aus]|minimum|results|lenses",
         [](B b) {
            b.SetUseM2(true); b.SetM2(0, 4.0); b.SetDetectorOn(true); b.SetDetectorDistance(50);
            b.SetMinSpotDistance(150); ChooseBeam(b, {{0, 100}, {1, 300}, {5, 1.0}}); }},
        {"convex_mirror", "Spiegel|Bildweite|paraxial|Verhältnis s/|minimum", [](B b) {
            b.SetOptics({0, -1, true, false}); ChooseBeam(b, {{0, -100}, {1, 300}, {5, 0.05}}); }},
        {"immersion", "Brennweite: f\t|Taille|Airy|results", [](B b) {
            b.SetOptics({5, 1.5, false, true}); ChooseBeam(b, {{0, 100}, {1, 300}, {5, 0.05}}); }},
        {"diode", "chosen|Multimode|Strahl rad[in]|Strahl div[in]|Strahlradius [D|Airy|flags|results|lenses|controls|   B",
         DiodeScene},
        {"diode_circularised", "chosen|Objektweite|Strahl rad[aus]|minimum|lenses|controls|   B",
         [](B b) {
            b.SetDiodeMode(true); b.SetCircularise(true); b.SetCollimationMode(1);
            ChooseBeam(b, {{0, 30}, {1, 30}, {6, 0.001}}); b.SetDiodeParamValue(0.003); }},
        {"diode_y_unsolved", "chosen|Multimode|Brennweite|Airy|flags|controls|   B",
         [](B b) {  // an image-side quantity gives no y lens
            DiodeScene(b); ASSERT_TRUE(b.SolveBeam(true)); b.SetCircularise(true);
            b.Selection(0).Remove(kBeamObjDivergence); ChooseBeam(b, {{9, 0.001}}); }},
        {"image_side_other_root", "Objektweite|Strahl rad[in]|flags", [](B b) {
            b.SetAltSolution(true); ChooseBeam(b, {{0, 100}, {2, 150}, {8, 0.02}}); }},
        {"incomplete", "Brennweite|Strahl rad[in]|Strahl div[in]|Rayleigh[in]|Strahlradius [L|Verhältnis s/|flags",
         [](B b) { ChooseBeam(b, {{0, 100}, {5, 0.05}}); }},
        {"waist_in_front_focal_plane", "paraxial|Vergrößerung|depth|results|memory",
         [](B b) { ChooseBeam(b, {{0, 100}, {1, 100}, {5, 0.05}}); }},
        {"empty", "Grundmode|Brennweite|Verhältnis s/|depth|minimum|flags|results", [](B) {}},
        {"scientific", "chosen|Strahl rad[in]|Strahl div[in]|Rayleigh|Strahlradius [L|Airy|Achtung|depth|memory",
         [](B b) { ChooseBeam(b, {{0, 100}, {1, 300}, {5, 0.00005}}); }},
        {"paraxial_image_far", "paraxial",
         [](B b) { ChooseBeam(b, {{0, 100}, {1, 100.04002}, {5, 0.05}}); }},
        {"small_image_waist", "Rayleigh[in]|Strahl rad[aus]|Achtung|depth",
         [](B b) { ChooseBeam(b, {{0, 100}, {1, 300}, {8, 0.0005}}); }},
        // |s/f'| = 20 is not yet far; a diverging lens has its focal points the other way round.
        {"object_not_yet_far", "results",
         [](B b) { ChooseBeam(b, {{0, 100}, {1, 2000}, {7, 10}}); }},
        {"far_object", "results", [](B b) { ChooseBeam(b, {{0, 100}, {1, 2010}, {7, 10}}); }},
        {"far_object_diverging", "minimum|results",
         [](B b) { ChooseBeam(b, {{0, -100}, {1, 2010}, {7, 10}}); }},
        {"diode_x_unsolved", "Multimode|Brennweite|flags|results|controls",
         [](B b) {  // no y section without the x section
            DiodeScene(b); ASSERT_TRUE(b.SolveBeam(true)); b.Selection(0).SetVarValue(3, 0.0f); }},
        {"diode_mode_left", "chosen|Multimode|Brennweite|Airy|flags|controls|   B",
         [](B b) {  // what the unsolved y section reported is cleared
            DiodeScene(b); b.SetCircularise(true); b.Selection(0).Remove(kBeamObjDivergence);
            ChooseBeam(b, {{9, 0.001}}); ASSERT_TRUE(b.SolveBeam(true)); b.SetDiodeMode(false); }},
        {"circularised_without_object_distance", "chosen|Objektweite|paraxial|controls",
         [](B b) {
            b.SetDiodeMode(true); b.SetCircularise(true);
            ChooseBeam(b, {{0, 100}, {2, 150}, {5, 0.05}}); }},
        {"circularised_s_takes_f", "chosen|depth|minimum|flags|results|controls|   B",
         [](B b) {  // s chosen without a value
            b.SetDiodeMode(true); b.SetCircularise(true); ChooseBeam(b, {{0, 20}, {6, 0.001}});
            ASSERT_TRUE(b.AddBeamVar(0, kBeamObjectDist, false)); b.SetDiodeParamValue(0.003); }},
        {"other_root_without_solution", "Brennweite|Strahl rad[in]|Strahlradius [L|flags|results",
         [](B b) {  // the smaller root at s' = f' is m = 0
            b.SetAltSolution(true); ChooseBeam(b, {{0, 100}, {2, 100}, {7, 20}}); }},
        {"beam_value_zero_after_solution", "chosen|Brennweite|Strahl rad[in]|Verhältnis s/|flags|results|memory",
         [](B b) {
            ChooseBeam(b, {{0, 100}, {1, 300}, {5, 0.05}}); ASSERT_TRUE(b.SolveBeam(true));
            b.Selection(0).SetVarValue(3, 0.0f); }},
        {"carried_without_value", "chosen|depth|minimum|flags|results|memory|   B",
         [](B b) {  // from a memory that holds no value for it
            ChooseBeam(b, {{0, 100}, {1, 300}}); ASSERT_TRUE(b.AddBeamVar(0, 6, false)); }},
        {"carried_with_limits", "chosen|memory",
         [](B b) {  // the solved value with 10 % either side
            ChooseBeam(b, {{0, 100}, {1, 300}, {5, 0.05}}); ASSERT_TRUE(b.SolveBeam(true));
            b.RemoveBeamVar(0, kBeamObjRadius); ASSERT_TRUE(b.AddBeamVar(0, 7, false)); }},
        {"user_symbols_options", "Multimode|Brennweite|Objektweite|Strahl rad[in]|Strahlradius [D|minimum|options|symbols|   B",
         [](B b) {  // a wavelength or M² of 0 is the default
            b.Symbols().Rebuild(kSymbolsUser, MarkedSymbol); b.SetWavelengthNm(0); b.SetM2(0, 0);
            b.SetUseM2(true); b.SetDetectorDistance(120.5); b.SetMinSpotDistance(30);
            b.SetDiodeMode(true);
            b.SetOption(BeamOption::kDiodeParam, 0.004); b.SetOption(BeamOption::kDiodeM2, 2.25);
            ChooseBeam(b, {{0, 100}, {1, 300}, {5, 1.0}}); }},
        {"standard_symbols_circularised_outside_diode_mode", "symbols|controls|   B", [](B b) {
            b.Symbols().Rebuild(kSymbolsStandard, MarkedSymbol); b.SetCircularise(true);
            ChooseBeam(b, {{0, 100}, {1, 300}, {5, 1.0}}); }}};
    // clang-format on
    for (const auto& scene : scenes) {
        GaussianBeam beam;
        scene.setup(beam);
        ExpectRecording(std::string("listings/beam_") + scene.name + ".txt",
                        Kept(Recorded(beam), scene.keys));
    }
    EXPECT_EQ(GaussianBeam().ListBeamResults(true, 25).size(), 25u);  // as many as shown before
    for (int outside : {-1, 7}) EXPECT_EQ(GaussianBeam::DofGrowth(outside), 0.05) << outside;
}

bool HasNonzeroDigit(const std::string& text) {
    return text.find_first_of("123456789") != std::string::npos;
}

// The patterns of every value box of both modes: a tiny nonzero value keeps a nonzero digit
// (two significant ones), an exact zero shows none.
TEST(DisplayPatterns, NoNonzeroValueLooksLikeZero) {
    const ParameterCatalogue catalogue;
    const GaussianBeam beam;
    std::vector<std::string> texts;
    for (float v : {3e-4f, -2e-7f, 5e-12f}) {
        for (int k = 0; k < kSelectableCount; ++k) texts.push_back(catalogue.ValueText(k, v, ','));
        for (int k = 0; k < kApertureCount; ++k)
            texts.push_back(catalogue.ApertureValueText(k, v, ','));
        for (int n = 0; n < kBeamSelectableCount; ++n) texts.push_back(beam.EntryText(n, v));
    }
    for (const std::string& text : texts) EXPECT_TRUE(HasNonzeroDigit(text)) << text;
    for (int k = 0; k < kSelectableCount; ++k)
        EXPECT_FALSE(HasNonzeroDigit(catalogue.ValueText(k, 0.0f, ','))) << k;
    for (int n = 0; n < kBeamSelectableCount; ++n)
        EXPECT_FALSE(HasNonzeroDigit(beam.EntryText(n, 0.0))) << n;
}

}  // namespace
}  // namespace lumarik::test
