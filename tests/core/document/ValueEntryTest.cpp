#include <gtest/gtest.h>

#include <deque>
#include <ostream>

#include "core/document/EntryTexts.h"
#include "core/document/LumarikDocument.h"
#include "core/document/ValueAsker.h"

namespace lumarik {
namespace {

using namespace entrytexts;
using Outcome = ValueCommit::Outcome;

// Answers in turn; Cancel once the script is used up.
struct ScriptedAsker : ValueAsker {
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> prompts, defaults;
    std::optional<std::string> Ask(std::string_view prompt, std::string_view,
                                   std::string_view defaultAnswer) override {
        prompts.emplace_back(prompt);
        defaults.emplace_back(defaultAnswer);
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A lens in German settings with f', a and u' chosen (rows 0, 1, 2).
struct Entry : ::testing::Test {
    LumarikDocument doc;
    ScriptedAsker asker;
    void SetUp() override {
        doc.Model().SetSeparators(NumberSeparators::WithDecimal(','));
        for (int k : {kParFocal, kParObjectDist, kParImageHeight}) {
            doc.Model().SelectParameter(k, true);
        }
    }
    ValueCommit Type(int row, std::string_view text) {
        return doc.CommitValue(row, text, "shown before", true, &asker);
    }
    const CVarType& Record(int row) { return *doc.RowRecord(row); }
};

// A value or limit against a sign or range rule is asked for until the answer keeps the rule
// (Cancel and junk ask again, the default follows the number in force); without an asker (a
// prompt but no answers) it is refused and nothing changes.
struct Rule {
    const char* name;
    int aperture;  // -1: the object distance (row 1), else chosen in the aperture row
    char box;      // 'v' value, 'l' lower limit, 'u' upper limit
    const char* typed;
    std::vector<std::optional<std::string>> answers;  // {}: Cancel
    std::string_view prompt;                          // of the first question
    const char* offered;                              // the default of the last question
    float stored;
    friend void PrintTo(const Rule& c, std::ostream* os) { *os << c.name; }
};

constexpr std::string_view kObjectText =
    "Entsprechend der üblichen Vorzeichenkonvention ist der Abstand eines realen Objekts negativ! "
    "\n\n";

class Rules : public Entry, public ::testing::WithParamInterface<Rule> {};

TEST_P(Rules, AskUntilTheAnswerKeepsThem) {
    const Rule& c = GetParam();
    const int row = c.aperture < 0 ? 1 : kApertureRow;
    if (c.aperture >= 0) doc.Model().SelectAperture(c.aperture, true);
    asker.answers.assign(c.answers.begin(), c.answers.end());
    ValueAsker* a = c.answers.empty() && !c.prompt.empty() ? nullptr : &asker;
    if (c.box == 'v') {
        doc.CommitValue(row, c.typed, "", true, a);
    } else {
        doc.CommitLimit(row, c.box == 'u', c.typed, "", a);
    }
    ASSERT_EQ(asker.prompts.size(), c.answers.size());
    if (!c.answers.empty()) {
        EXPECT_EQ(asker.prompts[0], c.prompt);
        EXPECT_EQ(asker.defaults.back(), c.offered);
    }
    const CVarType& r = Record(row);
    EXPECT_FLOAT_EQ(c.box == 'v' ? r.sVarValue : c.box == 'l' ? r.sLimLow : r.sLimHih, c.stored);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entry, Rules, ::testing::Values(
    Rule{"RealObject", -1, 'v', "250", {{}, "x", "30", "-1e39", "-250"}, kObjectText, "-30", -250},
    Rule{"RealObjectLimit", -1, 'u', "200", {"-200"}, kRealObjectLimitNegative, "-200", -200},
    Rule{"ObjectAtZero", -1, 'v', "0", {}, "", "", 0},
    Rule{"RealObjectWithoutAsker", -1, 'v', "100", {}, kObjectText, "", 0},
    Rule{"FNumberZero", kApFNumber, 'v', "0", {"2,8"}, kFNumberPositive, "1", 2.8f},
    Rule{"FNumberBelowOneIsAValue", kApFNumber, 'v', "0,8", {}, "", "", 0.8f},
    Rule{"FNumberLimitBelowOne", kApFNumber, 'l', "0,8", {"1"}, kFNumberAboveOne, "1", 1},
    Rule{"NegativeStop", kApStopRadius, 'v', "-5", {"5"}, kApertureValuePositive, "0", 5},
    Rule{"NegativeLowLimit", kApStopRadius, 'l', "-5", {"0"}, kApertureLowerPositive, "0", 0},
    Rule{"NAAboveTheIndex", kApNA, 'v', "1,2", {"0,3"}, kNABelowIndex, "0,99", 0.3f},
    Rule{"NAImageAtTheIndex", kApNAImage, 'v', "1", {"0,99"}, kNABelowIndex, "0,99", 0.99f},
    Rule{"NALimitAboveTheCeiling", kApNA, 'l', "0,995", {"0,5"}, kNALimitCeiling, "0,99", 0.5f},
    Rule{"NALimitWithoutAsker", kApNA, 'u', "2", {}, kNALimitCeiling, "", 0}),
    [](const ::testing::TestParamInfo<Rule>& info) { return info.param.name; });
// clang-format on

TEST_F(Entry, AValueIsStoredWithItsLimitsOrTheBoxIsRestored) {
    const ValueCommit first = Type(0, "100");
    EXPECT_TRUE(first.outcome == Outcome::kStored && first.limitsChanged);
    EXPECT_EQ(first.boxText, "100,0mm");
    EXPECT_FLOAT_EQ(Record(0).sLimHih, 110.0f);
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
    EXPECT_FALSE(Type(2, "0").limitsChanged);

    // The text the program wrote, committed again (leaving the box): nothing happens.
    EXPECT_EQ(doc.CommitValue(0, "100,0mm", "100,0mm", true, &asker).outcome, Outcome::kIgnored);
    EXPECT_EQ(Type(0, "100.00000001").outcome, Outcome::kRestored);
    EXPECT_EQ(Type(0, "abc").boxText, "100,0mm");
    EXPECT_EQ(Type(1, "abc").boxText, "");  // no value yet: the box is emptied

    doc.Opts().positiveObj = true;  // then a positive object distance is taken as typed
    Type(1, "50");
    EXPECT_FLOAT_EQ(Record(1).sVarValue, 50.0f);
    EXPECT_TRUE(asker.prompts.empty());
}

TEST_F(Entry, LimitsAreRefusedOutOfOrderAndEqualLimitsPass) {
    Type(0, "100");
    const LimitCommit upper = doc.CommitLimit(0, true, "95", "", &asker);
    EXPECT_EQ(upper.outcome, LimitCommit::Outcome::kRefused);
    EXPECT_EQ(upper.message, "Oberer Grenzwert muß größer als aktueller Wert sein!");
    EXPECT_EQ(doc.CommitLimit(0, true, "80", "", &asker).message, kUpperBelowLower);
    EXPECT_EQ(doc.CommitLimit(0, false, "120", "", &asker).message, kLowerAboveUpper);
    EXPECT_EQ(doc.CommitLimit(0, false, "105", "", &asker).message, kLowerAboveValue);
    EXPECT_FLOAT_EQ(Record(0).sLimHih, 110.0f);
    EXPECT_EQ(doc.CommitLimit(0, false, "100", "", &asker).outcome, LimitCommit::Outcome::kShown);
    EXPECT_EQ(doc.CommitLimit(0, true, "100", "", &asker).outcome, LimitCommit::Outcome::kShown);
    EXPECT_FLOAT_EQ(Record(0).sLimHih, 100.0f);
    // Not a number, or unchanged: the box keeps what was typed, nothing changes.
    EXPECT_EQ(doc.CommitLimit(0, true, "x", "", &asker).outcome, LimitCommit::Outcome::kIgnored);
    EXPECT_EQ(doc.CommitLimit(0, true, "1", "1", &asker).outcome, LimitCommit::Outcome::kIgnored);
}

TEST_F(Entry, TheLimitsOfANumericalApertureNeverPassTheCeiling) {
    doc.SelectAperture(kApNAImage, true);
    EXPECT_EQ(doc.LastBackupReason(), kBackupSelection);
    asker.answers = {"0,99"};
    Type(kApertureRow, "1,2");
    EXPECT_FLOAT_EQ(Record(kApertureRow).sLimHih, 0.99f);
    EXPECT_FLOAT_EQ(Record(kApertureRow).sLimLow, 0.891f);
    EXPECT_TRUE(doc.MoveSlider(kApertureRow, 1000, 0, 1000).moved);
    EXPECT_LE(Record(kApertureRow).sVarValue, 0.99f);
}

TEST_F(Entry, PresetsStoreARealImageAndTypingOrSlidingReleasesThem) {
    Type(0, "50");
    asker.answers = {"-200"};
    Type(1, "200");
    const ValueCommit preset = doc.ChooseImageHeightPreset(1, &asker);
    EXPECT_TRUE(preset.outcome == Outcome::kStored && !preset.presetReleased);
    EXPECT_LT(Record(2).sVarValue, 0.0f);
    EXPECT_FALSE(Type(2, preset.boxText).presetReleased);  // the same height: nothing to store
    EXPECT_TRUE(doc.Opts().imageHeightPreset);

    EXPECT_FALSE(doc.MoveSlider(0, 100, 0, 1000).presetReleased);  // another row's slider
    EXPECT_TRUE(Type(2, "-3").presetReleased);
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
    EXPECT_FALSE(Type(2, "-4").presetReleased);  // nothing left to release
    doc.ChooseImageHeightPreset(2, &asker);
    EXPECT_TRUE(doc.MoveSlider(2, 100, 0, 1000).presetReleased);

    doc.ChooseImageHeightPreset(2, &asker);
    doc.Clear();
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
    EXPECT_EQ(doc.Model().Selected().Count(), 0);
    EXPECT_EQ(doc.ChooseImageHeightPreset(3, &asker).outcome, Outcome::kIgnored);
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
}

// An option takes an undo step when it changes something, not before.
TEST_F(Entry, AnAdvancedValueOrTheMirrorIsBackedUpOnlyWhenStored) {
    doc.Model().Constants().SetAdvancedOptions(true);
    Type(0, "100");
    doc.CommitAdvanced(kAdvIndexObject, "0,5", "");  // refused
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
    EXPECT_EQ(doc.CommitAdvanced(kAdvIndexObject, "1,5", "").outcome,
              AdvancedCommit::Outcome::kAccepted);
    EXPECT_EQ(doc.LastBackupReason(), kBackupAdvanced);
    EXPECT_FLOAT_EQ(doc.Model().Constants().N(), 1.5f);
    doc.SwitchLensMirror(false);
    EXPECT_EQ(doc.LastBackupReason(), kBackupAdvanced);
    doc.SwitchLensMirror(true);
    EXPECT_TRUE(doc.Model().Constants().MirrorMode());
    EXPECT_EQ(doc.LastBackupReason(), kBackupLensMirror);
}

}  // namespace
}  // namespace lumarik
