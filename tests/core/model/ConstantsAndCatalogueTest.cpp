// The effective optical constants under the option switches, their box texts, the
// catalogue's labels, display texts and symbol option, the image-height presets, and the mode
// switches: lens/mirror, the advanced constants' ranges and the real-object sign.
#include <map>
#include <string>
#include <tuple>

#include "ModelTestSupport.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/ModeSwitches.h"

namespace lumarik::test {
namespace {

// Without the advanced options n = 1, n' = ±1, d = 0 and λ = 546.1 nm; with them the stored
// values count (a mirror's n' is -n, its d 0). A zero wavelength or index is not stored, a zero
// n' is stored as ±1, a value that is not finite not at all.
TEST(EffectiveConstants, FollowTheSwitches) {
    // advanced, mirror, stored n, n', d, λ, then the effective n, n', d, λ
    const std::array<float, 10> cases[] = {{0, 0, 1.33f, 1.5f, 5, 633, 1, 1, 0, 546.1f},
                                           {0, 1, 1.33f, 1.5f, 5, 633, 1, -1, 0, 546.1f},
                                           {1, 0, 1.33f, 1.5f, 5, 633, 1.33f, 1.5f, 5, 633},
                                           {1, 1, 1.33f, 1.5f, 5, 633, 1.33f, -1.33f, 0, 633},
                                           {1, 0, 1, 1, 0, 0, 1, 1, 0, 546.1f},
                                           {1, 0, 0, 1.2f, 0, 500, 1, 1.2f, 0, 500}};
    for (const auto& c : cases) {
        EffectiveConstants k;
        k.SetAdvancedOptions(c[0] != 0);
        k.SetMirrorMode(c[1] != 0);
        k.SetN(c[2]);
        k.SetNPrime(c[3]);
        k.SetD(c[4]);
        k.SetWavelength(c[5]);
        EXPECT_TRUE(k.N() == c[6] && k.NPrime() == c[7] && k.D() == c[8] && k.Wavelength() == c[9])
            << c[0] << c[1] << " " << c[2] << " " << c[5];
    }
    EffectiveConstants k;
    k.SetN(1.33f);
    k.SetN(0.0f);
    k.SetD(12.5f);
    k.SetD(NAN);
    EXPECT_EQ(k.NText(',') + k.DText('.'), "1,330012.5");
    k.SetMirrorMode(true);
    k.SetNPrime(0.0f);
    EXPECT_TRUE(k.StoredNPrime() == -1.0f && k.DText('.') == "0");  // a mirror shows no d
}

// Only one label is spelled out; the others must exist and be distinct.
TEST(Catalogue, LabelsAndUserSymbols) {
    ParameterCatalogue catalogue;
    EXPECT_EQ(catalogue.Label(kParMagnification), "Vergrößerung: m'");
    EXPECT_NE(catalogue.Label(kParObjectFocal), catalogue.Label(kParFocal));
    EXPECT_EQ(catalogue.Label(12), "");
    EXPECT_EQ(catalogue.ApertureCaption(kApertureCount), "");
    EXPECT_NE(catalogue.ApertureCaption(kApNA), catalogue.ApertureCaption(kApNAImage));

    std::vector<std::string> asked;
    const std::map<std::string, std::string> user = {{"Brennweite: ", "F'"},
                                                     {"vorderer Brennpunkt: ", "Fv"}};
    const SymbolReader reader = [&](std::string_view key, std::string_view fallback) {
        asked.emplace_back(key);
        const auto it = user.find(std::string(key));
        return it == user.end() ? std::string(fallback) : it->second;
    };
    catalogue.RebuildSymbols(kSymbolsStandard, reader);
    EXPECT_TRUE(asked.empty());

    catalogue.RebuildSymbols(kSymbolsUser, reader);
    EXPECT_EQ(asked.size(), 16u);  // ten named parameters, six cardinal points
    EXPECT_EQ(catalogue.Label(kParFocal), "Brennweite: F'");
    EXPECT_EQ(catalogue.Symbol(kParImageDist), "a'");
    EXPECT_EQ(catalogue.CardinalSymbol(kCardF), "Fv");
    EXPECT_EQ(catalogue.CardinalSymbol(kCardN), "N");

    catalogue.RebuildSymbols(kSymbolsStandard, reader);
    EXPECT_EQ(catalogue.CardinalSymbol(kCardF), "F");
    EXPECT_EQ(catalogue.Symbol(kParFocal), "f'");
}

// The height is the last piece of the preset's text.
TEST(ImageHeightPresets, HeightsComeFromTheLastPieceOfTheText) {
    EXPECT_EQ(ImageHeightPresetText(1), "CCD 1/10inch [1.28 x 0.96]  0.8mm");
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(1), 0.8f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(33), 28.85f);
    EXPECT_FLOAT_EQ(ImageHeightPresetHeight(43), 150.0f);
    for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
        EXPECT_GT(ImageHeightPresetHeight(entry), 0.0f) << entry;
    }
    EXPECT_EQ(ImageHeightPresetHeight(0) + ImageHeightPresetHeight(52), 0.0f);
    EXPECT_TRUE(ImageHeightPresetText(-1).empty());
}

// Parameter `number` with a value and both limits defined.
const CVarType& Give(LumarikCode& model, int number, float value, float low, float high) {
    Choose(model, {{number, value}});
    VarCollection& s = model.Selected();
    const int p = s.PositionOf(number);
    s.SetLimLow(p, low);
    s.SetLimHih(p, high);
    s.SetLimLowDef(p, true);
    s.SetLimHihDef(p, true);
    return s.Item(p);
}

bool Holds(const CVarType& r, float value, float low, float high) {
    return r.sVarValue == value && r.sLimLow == low && r.sLimHih == high;
}

// The focal length and its limits change sign both ways; an undefined limit stays undefined
// on its new side.
// A mirror's n' follows the object space and keeps its value back in lens mode.
TEST(SwitchLensMirror, FocalLengthAndLimitsChangeSign) {
    LumarikCode model;
    const CVarType& r = Give(model, kParFocal, 100.0f, 90.0f, 110.0f);
    ASSERT_TRUE(SwitchLensMirror(model, true));
    EXPECT_TRUE(Holds(r, -100.0f, -110.0f, -90.0f));
    EXPECT_FALSE(SwitchLensMirror(model, true));  // already a mirror: nothing happens
    ASSERT_TRUE(SwitchLensMirror(model, false));
    EXPECT_TRUE(Holds(r, 100.0f, 90.0f, 110.0f));

    model.Selected().SetLimHihDef(1, false);
    SwitchLensMirror(model, true);
    EXPECT_TRUE(r.bLimHihDef && !r.bLimLowDef && r.sLimHih == -90.0f);

    LumarikCode immersed;
    immersed.Constants().SetAdvancedOptions(true);
    SwitchLensMirror(immersed, true);
    ASSERT_EQ(CommitAdvancedValue(immersed, kAdvIndexObject, 1.33).outcome,
              AdvancedCommit::Outcome::kAccepted);
    EXPECT_FLOAT_EQ(immersed.Constants().NPrime(), -1.33f);
    SwitchLensMirror(immersed, false);
    EXPECT_FLOAT_EQ(immersed.Constants().StoredNPrime(), 1.33f);
}

TEST(CommitAdvancedValue, RangesAndTheCurrentValue) {
    LumarikCode model;
    model.Constants().SetAdvancedOptions(true);
    using Outcome = AdvancedCommit::Outcome;
    EXPECT_EQ(CommitAdvancedValue(model, kAdvIndexObject, 0.5).message,
              "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!");
    const std::tuple<int, double, Outcome> cases[] = {
        {kAdvIndexImage, 3.01, Outcome::kRefused},    {kAdvIndexObject, 3.0, Outcome::kAccepted},
        {kAdvIndexObject, 1.0, Outcome::kAccepted},   {kAdvIndexImage, 2.0, Outcome::kAccepted},
        {kAdvIndexImage, 1.0, Outcome::kAccepted},    {kAdvWavelength, 0.0, Outcome::kRefused},
        {kAdvWavelength, 546.1, Outcome::kUnchanged}, {kAdvWavelength, 10.0, Outcome::kAccepted},
        {kAdvWavelength, 1e6, Outcome::kAccepted},    {kAdvWavelength, 1.005e6, Outcome::kRefused},
        {kAdvWavelength, 9.95, Outcome::kRefused},    {kAdvSeparation, -25.0, Outcome::kAccepted},
        {kAdvSeparation, 1e300, Outcome::kUnchanged}};
    for (const auto& [which, value, outcome] : cases) {
        EXPECT_EQ(CommitAdvancedValue(model, which, value).outcome, outcome) << value;
    }
    EXPECT_FLOAT_EQ(model.Constants().D(), -25.0f);
}

// A virtual object distance is negated and the limit it crossed reopened; real and infinite
// objects are left alone.
TEST(MakeObjectDistanceNegative, NegatesOnlyAPositiveFiniteDistance) {
    LumarikCode model;
    const CVarType& r = Give(model, kParObjectDist, 200.0f, -300.0f, 250.0f);
    MakeObjectDistanceNegative(model);
    EXPECT_TRUE(Holds(r, -200.0f, -300.0f, -180.0f));
    MakeObjectDistanceNegative(model);
    EXPECT_TRUE(Holds(r, -200.0f, -300.0f, -180.0f));
    LumarikCode crossed;  // the negated value lies below the negated low limit
    const CVarType& c = Give(crossed, kParObjectDist, 200.0f, 150.0f, 250.0f);
    MakeObjectDistanceNegative(crossed);
    EXPECT_TRUE(Holds(c, -200.0f, -220.0f, -180.0f));

    LumarikCode infinite;
    const CVarType& i = Give(infinite, kParObjectDist, kInfinity, 0.0f, 0.0f);
    infinite.Selected().SetLimHihDef(1, false);
    MakeObjectDistanceNegative(infinite);
    EXPECT_TRUE(i.sVarValue == kInfinity && !i.bLimHihDef);
}

}  // namespace
}  // namespace lumarik::test
