// The effective optical constants under the option switches, their box texts, and the
// catalogue's labels, display texts and symbol option.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"

namespace lumarik::test {
namespace {

struct ConstantsCase {
    const char* name;
    bool advanced, mirror;
    float storedN, storedNPrime, storedD, storedLambda;
    float n, nPrime, d, lambda;
};

void PrintTo(const ConstantsCase& c, std::ostream* os) {
    *os << c.name;
}

class EffectiveConstantRules : public ::testing::TestWithParam<ConstantsCase> {};

TEST_P(EffectiveConstantRules, FollowTheSwitches) {
    const ConstantsCase& c = GetParam();
    EffectiveConstants constants;
    constants.SetAdvancedOptions(c.advanced);
    constants.SetMirrorMode(c.mirror);
    constants.SetN(c.storedN);
    constants.SetNPrime(c.storedNPrime);
    constants.SetD(c.storedD);
    constants.SetWavelength(c.storedLambda);
    EXPECT_EQ(constants.N(), c.n);
    EXPECT_EQ(constants.NPrime(), c.nPrime);
    EXPECT_EQ(constants.D(), c.d);
    EXPECT_EQ(constants.Wavelength(), c.lambda);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, EffectiveConstantRules, ::testing::Values(
    ConstantsCase{"LensOff", false, false, 1.33f, 1.5f, 5, 633, 1, 1, 0, 546.1f},
    ConstantsCase{"MirrorOff", false, true, 1.33f, 1.5f, 5, 633, 1, -1, 0, 546.1f},
    ConstantsCase{"LensOn", true, false, 1.33f, 1.5f, 5, 633, 1.33f, 1.5f, 5, 633},
    ConstantsCase{"MirrorOn", true, true, 1.33f, 1.5f, 5, 633, 1.33f, -1.33f, 0, 633},
    ConstantsCase{"ZeroWavelengthIsDefault", true, false, 1, 1, 0, 0, 1, 1, 0, 546.1f},
    ConstantsCase{"ZeroIndexIgnored", true, false, 0, 1.2f, 0, 500, 1, 1.2f, 0, 500}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Setters ignore a zero index, turn a zero n' into ±1 and refuse non-finite values; the boxes
// show the stored n, n', d and the effective wavelength.
TEST(EffectiveConstants, SettersAndBoxTexts) {
    EffectiveConstants constants;
    constants.SetN(1.33f);
    constants.SetN(0.0f);
    constants.SetD(12.5f);
    constants.SetD(NAN);
    constants.SetNPrime(0.0f);
    EXPECT_EQ(constants.NText(','), "1,3300");
    EXPECT_EQ(constants.NPrimeText('.'), "1.0000");
    EXPECT_EQ(constants.DText('.'), "12.5");
    EXPECT_EQ(constants.WavelengthText('.'), "546nm");
    constants.SetMirrorMode(true);
    constants.SetNPrime(0.0f);
    EXPECT_EQ(constants.StoredNPrime(), -1.0f);
    EXPECT_EQ(constants.DText('.'), "0");
    constants.SetAdvancedOptions(true);
    constants.SetWavelength(0.0f);
    EXPECT_EQ(constants.StoredWavelength(), 546.1f);
    constants.SetWavelength(632.8f);
    EXPECT_EQ(constants.WavelengthText('.'), "633nm");
}

// A stored 1.33 has no effect while the advanced options are off; a mirror has ρ = -1 and
// so f = f'.
TEST(EffectiveConstants, ReachTheSolver) {
    LumarikCode code;
    code.Constants().SetN(1.33f);
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_EQ(code.Value(kParObjectFocal), -100.0f);
    EXPECT_EQ(code.Value(kParImageDist), 200.0f);
    code.Constants().SetMirrorMode(true);
    ASSERT_TRUE(code.Solve(false));
    EXPECT_EQ(code.Value(kParObjectFocal), 100.0f);
}

struct DisplayCase {
    int number;
    float internal;
    char separator;
    const char* text;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.number << " " << c.text;
}

class DisplayText : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayText, UsesPatternUnitAndSeparator) {
    const DisplayCase& c = GetParam();
    EXPECT_EQ(ParameterCatalogue().ValueText(c.number, c.internal, c.separator), c.text);
}

const float kDegree = ParameterCatalogue().UnitFactor(kParObjectAngle);
const float kThirtyDegrees = static_cast<float>(30.0 * kDegree);

INSTANTIATE_TEST_SUITE_P(Parameters, DisplayText,
                         ::testing::Values(DisplayCase{0, 50.0f, '.', "50.0mm"},
                                           DisplayCase{1, -200.0f, ',', "-200,0mm"},
                                           DisplayCase{3, 0.25f, '.', "0.25x"},
                                           DisplayCase{3, -0.38196602f, '.', "-0.381966x"},
                                           DisplayCase{6, kThirtyDegrees, '.', "30.0Grad"},
                                           DisplayCase{6, 12.345f * kDegree, '.', "12.345Grad"},
                                           DisplayCase{20, -66.666664f, '.', "-66.67mm"}));

TEST(Catalogue, AnglesAreStoredInRadians) {
    EXPECT_NEAR(kThirtyDegrees, std::acos(-1.0) / 6.0, 1e-7);
}

TEST(Catalogue, LabelsAndUserSymbols) {
    ParameterCatalogue catalogue;
    EXPECT_EQ(catalogue.Label(kParMagnification), "Vergrößerung: m'");
    EXPECT_EQ(catalogue.Label(kParObjectFocal), "Brennweite [Obj]: f");
    EXPECT_EQ(catalogue.Label(12), "");
    EXPECT_EQ(catalogue.ApertureCaption(kApNA), "NA [Numerische Apertur - Objektraum]");
    EXPECT_EQ(catalogue.ApertureCaption(kApNAImage), "NA' [Numerische Apertur - Bildraum]");

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

}  // namespace
}  // namespace lumarik::test
