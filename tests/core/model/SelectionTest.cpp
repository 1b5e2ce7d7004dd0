// Which choices of parameters are accepted, the refusals with their exact texts, the
// selection handlers and the enable rules of the boxes.
#include <set>
#include <string>

#include "Scenes.h"

namespace lumarik::test {
namespace {

// One refusal of each text; which sets are refused at all is checked below.
LUMARIK_SCENE_TESTS(Rules, RefusedSelection, ShowsItsMessageAndRemovesTheParameter);

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

TEST(ObjectAtInfinity, TickingRemovesObjectHeightUntilAThirdParameterCompletes) {
    ExpectScene("AtInfinityTicked");
}

TEST(ObjectAtInfinity, ClearingTheBoxDropsValueLimitsAndMemory) {
    ExpectScene("AtInfinityCleared");
}

// The enable rules follow the flag; unticking the object distance clears flag and memory.
TEST(ObjectAtInfinity, EnableRulesFollowTheFlag) {
    ExpectScene("AtInfinityEnables");
}

// A fourth parameter and a second aperture parameter are ignored silently; unticking the
// aperture marks it missing, and the aperture cycle does not rerun the distance solve (a value
// changed since stays out of the table).
TEST(SelectAperture, OneAtATimeWithoutRerunningTheDistanceSolve) {
    ExpectScene("SelectAperture");
}

}  // namespace
}  // namespace lumarik::test
