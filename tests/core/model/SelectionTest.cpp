// Which choices of parameters are accepted, the refusals with their exact texts, the
// selection handlers and the enable rules of the boxes.
#include <set>
#include <string>

#include "ModelTestSupport.h"
#include "core/model/ModelTexts.h"

namespace lumarik::test {
namespace {

struct Refusal {
    std::vector<int> already;  // chosen before
    int ticked;
    std::string_view message;
    friend void PrintTo(const Refusal& c, std::ostream* os) {
        for (int number : c.already) *os << ShortName(number) << " ";
        *os << "then " << ShortName(c.ticked);
    }
};

class RefusedSelection : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedSelection, ShowsItsMessageAndRemovesTheParameter) {
    LumarikCode code;
    RecordingDiagnostics diagnostics;
    code.SetDiagnostics(&diagnostics);
    for (int number : GetParam().already) code.AddVar(number, true);
    const SelectionResult result = code.SelectParameter(GetParam().ticked, true);
    EXPECT_EQ(result.outcome, SelectOutcome::kRefused);
    EXPECT_EQ(result.message, GetParam().message);
    EXPECT_EQ(code.Selected().Numbers(), GetParam().already);
    EXPECT_TRUE(diagnostics.reports.empty());
}

// The refusal texts are the program's; one is spelled out to anchor the wording.
TEST(RefusedSelection, TextsKeepTheirWordingAndTrailingBlank) {
    EXPECT_EQ(texts::kAnglesDependent,
              "Objekt- und Bildwinkel können nicht unabhängig voneinander definiert werden! ");
}

using namespace texts;
// One refusal of each text; which sets are refused at all is checked below.
INSTANTIATE_TEST_SUITE_P(Rules, RefusedSelection,
                         ::testing::Values(Refusal{{8}, 6, kAnglesDependent},
                                           Refusal{{0, 6}, 8, kAnglesDependent},
                                           Refusal{{3, 4}, 0, kNeedField},
                                           Refusal{{6, 7}, 8, kNeedDistance},
                                           Refusal{{3, 6}, 8, kInconsistentMagnification},
                                           Refusal{{5, 8}, 1, kInconsistentObjectDistance},
                                           Refusal{{2, 7}, 8, kInconsistentImageDistance}));

// Built from the description rather than from the rules: two of the five distances with one
// of the four field quantities, or one distance with two field quantities other than w and
// w', without {a, u, w}, {a, u, w'}, {a', u', w'}, {a', w, u'} and {m', u, u'}.
std::set<std::vector<int>> ExpectedAdmissible() {
    const std::set<std::vector<int>> excluded = {{1, 5, 6}, {1, 5, 8}, {2, 7, 8}, {2, 6, 7},
                                                 {3, 5, 7}, {0, 6, 8}, {1, 6, 8}, {2, 6, 8},
                                                 {3, 6, 8}, {4, 6, 8}};
    std::set<std::vector<int>> sets;
    for (int d = 0; d < 5; ++d) {
        for (int x = d + 1; x < 9; ++x) {
            for (int f = std::max(x + 1, 5); f < 9; ++f) {
                if (excluded.count({d, x, f}) == 0) sets.insert({d, x, f});
            }
        }
    }
    return sets;
}

TEST(AdmissibleSelections, AreTheSixtySetsInAnyOrderOfTicking) {
    const auto expected = ExpectedAdmissible();
    std::set<std::vector<int>> actual;
    for (const auto& set : AdmissibleSelections()) actual.insert({set[0], set[1], set[2]});
    EXPECT_EQ(actual.size(), 60u);
    EXPECT_EQ(actual, expected);
    for (int i = 0; i < kSelectableCount; ++i) {
        for (int j = 0; j < kSelectableCount; ++j) {
            for (int k = 0; k < kSelectableCount; ++k) {
                if (i == j || j == k || i == k) continue;
                std::vector<int> sorted = {i, j, k};
                std::sort(sorted.begin(), sorted.end());
                EXPECT_EQ(CheckSelectionNumbers({i, j, k}).accepted, expected.count(sorted) == 1);
            }
        }
    }
}

class ObjectAtInfinity : public ::testing::Test {
protected:
    void SetUp() override {
        code.SetDiagnostics(&diagnostics);
        Choose(code, {{1, -200}, {5, 10}, {7, -5}});
    }
    LumarikCode code;
    RecordingDiagnostics diagnostics;
};

TEST_F(ObjectAtInfinity, TickingRemovesObjectHeightUntilAThirdParameterCompletes) {
    EXPECT_TRUE(code.ObjectAtInfinityChanged(true));
    EXPECT_EQ(code.Selected().Numbers(), (std::vector<int>{1, 7}));
    const CVarType& a = code.Selected().Item(1);
    EXPECT_TRUE(a.sVarValue == kInfinity && a.bVarValDef && !a.bLimLowDef && !a.bLimHihDef);
    const ResultsView incomplete = code.SelectionCycle(false, true).view;
    EXPECT_FALSE(incomplete.ok || incomplete.showNoSolution || incomplete.resultListsVisible);
    EXPECT_EQ(incomplete.visibleRows, 2);

    ASSERT_EQ(code.SelectParameter(0, true).outcome, SelectOutcome::kAccepted);
    code.Selected().SetVarValue(1, 50.0f);
    code.Selected().SetVarValDef(1, true);
    ASSERT_TRUE(code.SelectionCycle(false, true).view.ok);
    EXPECT_EQ(code.Value(kParImageDist), 50.0f);
    EXPECT_EQ(code.Value(kParImageHeight), -5.0f);
    EXPECT_TRUE(diagnostics.reports.empty());
}

TEST_F(ObjectAtInfinity, ClearingTheBoxDropsValueLimitsAndMemory) {
    code.RemoveVar(5);
    Choose(code, {{0, 100}});
    ASSERT_TRUE(code.Solve(true));
    code.ObjectAtInfinityChanged(true);
    code.Selected().SetLimLowDef(2, true);
    EXPECT_FALSE(code.ObjectAtInfinityChanged(false));
    const CVarType& a = code.Selected().Item(2);
    EXPECT_FALSE(a.bVarValDef || a.bLimLowDef || a.bLimHihDef || code.ObjectAtInfinity());
    EXPECT_FALSE(code.Memory(kParFocal).bVarValDef);
}

// The enable rules follow the flag; unticking the object distance clears flag and memory.
TEST_F(ObjectAtInfinity, EnableRulesFollowTheFlag) {
    EnableRules rules = code.Enables();
    EXPECT_TRUE(rules.objectAtInfinityEnabled && !rules.objectAtInfinityChecked);
    EXPECT_EQ(rules.parameterEnabled, (std::array<bool, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    code.ObjectAtInfinityChanged(true);
    rules = code.Enables();
    EXPECT_TRUE(rules.objectAtInfinityChecked);
    EXPECT_EQ(rules.parameterEnabled, (std::array<bool, 9>{1, 1, 1, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(rules.apertureEnabled, (std::array<bool, 4>{1, 1, 0, 1}));
    code.RememberValues(true);
    EXPECT_EQ(code.SelectParameter(1, false).outcome, SelectOutcome::kAccepted);
    EXPECT_FALSE(code.ObjectAtInfinity() || code.Memory(kParImageHeight).bVarValDef);
    rules = code.Enables();
    EXPECT_FALSE(rules.objectAtInfinityEnabled || rules.objectAtInfinityChecked);
}

// A fourth parameter and a second aperture parameter are ignored silently; unticking the
// aperture marks it missing, and the aperture cycle does not rerun the distance solve (a value
// changed since stays out of the table).
TEST(SelectAperture, OneAtATimeWithoutRerunningTheDistanceSolve) {
    LumarikCode code;
    RecordingDiagnostics diagnostics;
    code.SetDiagnostics(&diagnostics);
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    EXPECT_EQ(code.SelectParameter(7, true).outcome, SelectOutcome::kIgnoredFull);
    EXPECT_EQ(code.Selected().Numbers(), (std::vector<int>{0, 1, 5}));
    ASSERT_TRUE(code.Recalculate().ok);
    EXPECT_EQ(code.SelectAperture(kApStopRadius, true).outcome, SelectOutcome::kAccepted);
    EXPECT_EQ(code.SelectAperture(kApFNumber, true).outcome, SelectOutcome::kIgnoredFull);
    code.Selected().SetVarValue(1, 50.0f);
    const ResultsView view = code.ApertureCycle();
    EXPECT_TRUE(view.ok && view.rewriteNames && view.apertureRowVisible);
    EXPECT_EQ(code.Value(kParFocal), 100.0f);
    code.SelectAperture(kApStopRadius, false);
    EXPECT_EQ(code.Apertures().Count(), 0);
    EXPECT_TRUE(code.ApertureMissing());
    EXPECT_TRUE(diagnostics.reports.empty());
}

}  // namespace
}  // namespace lumarik::test
