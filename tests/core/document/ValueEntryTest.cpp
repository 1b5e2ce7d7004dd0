#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>

#include "core/document/EntryTexts.h"
#include "core/document/LumarikDocument.h"
#include "core/document/ValueAsker.h"

namespace lumarik {
namespace {

using namespace entrytexts;  // the prompts; the first of each kind is spelled out

// Answers in turn; nothing (Cancel) once the script is used up would ask forever, so the
// script must hold every answer the rule needs.
struct ScriptedAsker : ValueAsker {
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> prompts;
    std::vector<std::string> defaults;
    std::optional<std::string> Ask(std::string_view prompt, std::string_view,
                                   std::string_view defaultAnswer) override {
        prompts.emplace_back(prompt);
        defaults.emplace_back(defaultAnswer);
        if (answers.empty()) return "-1";
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A lens in German settings with f', a and u' chosen (rows 0, 1, 2) and an aperture k.
struct Entry : ::testing::Test {
    LumarikDocument doc;
    ScriptedAsker asker;
    void SetUp() override {
        doc.Model().SetSeparators(NumberSeparators::WithDecimal(','));
        for (int k : {kParFocal, kParObjectDist, kParImageHeight}) {
            doc.Model().SelectParameter(k, true);
        }
    }
    ValueCommit Type(int row, std::string_view text, ValueAsker* a = nullptr) {
        return doc.CommitValue(row, text, "shown before", true, a != nullptr ? a : &asker);
    }
    const CVarType& Record(int row) { return *doc.RowRecord(row); }
    void ChooseAperture(int k) { doc.Model().SelectAperture(k, true); }
};

TEST_F(Entry, AFirstValueOpensItsLimitsAndAnUnchangedOrUnreadableTextChangesNothing) {
    const ValueCommit first = Type(0, "100");
    EXPECT_EQ(first.outcome, ValueCommit::Outcome::kStored);
    EXPECT_EQ(first.boxText, "100,0mm");
    EXPECT_TRUE(first.limitsChanged);
    EXPECT_FLOAT_EQ(Record(0).sLimLow, 90.0f);
    EXPECT_FLOAT_EQ(Record(0).sLimHih, 110.0f);
    const int reason = doc.LastBackupReason();
    EXPECT_EQ(reason, kBackupValue);

    // The text the program wrote, committed again (leaving the box): nothing happens.
    EXPECT_EQ(doc.CommitValue(0, "100,0mm", "100,0mm", true, &asker).outcome,
              ValueCommit::Outcome::kIgnored);
    const ValueCommit same = Type(0, "100.00000001");
    EXPECT_EQ(same.outcome, ValueCommit::Outcome::kRestored);
    const ValueCommit garbage = Type(0, "abc");
    EXPECT_EQ(garbage.outcome, ValueCommit::Outcome::kRestored);
    EXPECT_EQ(garbage.boxText, "100,0mm");
    EXPECT_EQ(Type(1, "abc").boxText, "");  // no value yet: the box is emptied

    // A later value beyond the window moves only the limit it crosses; 0 opens nothing.
    Type(0, "150");
    EXPECT_FLOAT_EQ(Record(0).sLimLow, 90.0f);
    EXPECT_FLOAT_EQ(Record(0).sLimHih, 165.0f);
    EXPECT_FALSE(Type(2, "0").limitsChanged);
    EXPECT_FALSE(Record(2).bLimLowDef);
}

TEST_F(Entry, ARealObjectIsAskedForANegativeDistanceUntilOneIsGiven) {
    asker.answers = {std::nullopt, "abc", "30", "-250"};  // Cancel and junk ask again
    const ValueCommit commit = Type(1, "250");
    EXPECT_FLOAT_EQ(Record(1).sVarValue, -250.0f);
    ASSERT_EQ(asker.prompts.size(), 4u);
    EXPECT_EQ(asker.prompts[0],
              "Entsprechend der üblichen Vorzeichenkonvention ist der Abstand eines realen "
              "Objekts negativ! \n\n");
    EXPECT_EQ(asker.defaults[0], "-250");
    EXPECT_EQ(asker.defaults[3], "-30");
    EXPECT_EQ(commit.boxText, "-250,0mm");

    // Limits ask with their own prompt, before they are compared.
    asker.prompts.clear();
    asker.answers = {"-200"};
    EXPECT_EQ(doc.CommitLimit(1, true, "200", "", &asker).outcome, LimitCommit::Outcome::kShown);
    EXPECT_FLOAT_EQ(Record(1).sLimHih, -200.0f);
    EXPECT_EQ(asker.prompts.at(0), kRealObjectLimitNegative);

    // Allowed positive objects are taken as typed; 0 never asks.
    doc.Opts().positiveObj = true;
    asker.prompts.clear();
    Type(1, "50");
    EXPECT_FLOAT_EQ(Record(1).sVarValue, 50.0f);
    doc.Opts().positiveObj = false;
    Type(1, "0");
    EXPECT_TRUE(asker.prompts.empty());
}

TEST_F(Entry, WithoutAnAskerAValueNeedingACorrectionIsRefusedNotChanged) {
    Type(1, "-100");
    const ValueCommit commit = doc.CommitValue(1, "100", "", true, nullptr);
    EXPECT_EQ(commit.outcome, ValueCommit::Outcome::kRestored);
    EXPECT_FLOAT_EQ(Record(1).sVarValue, -100.0f);
    ChooseAperture(kApNA);
    doc.CommitValue(kApertureRow, "0,5", "", true, nullptr);
    EXPECT_EQ(doc.CommitValue(kApertureRow, "1,2", "", true, nullptr).outcome,
              ValueCommit::Outcome::kRestored);
    EXPECT_FLOAT_EQ(Record(kApertureRow).sVarValue, 0.5f);
    EXPECT_EQ(doc.CommitLimit(kApertureRow, true, "2", "", nullptr).outcome,
              LimitCommit::Outcome::kShown);
    EXPECT_FLOAT_EQ(Record(kApertureRow).sLimHih, 0.55f);
}

// The aperture rules: prompt, the default offered, the answer, what is stored.
struct ApertureCase {
    const char* name;
    friend void PrintTo(const ApertureCase& c, std::ostream* os) { *os << c.name; }
    int aperture;
    bool limit;  // the lower limit instead of the value
    const char* typed;
    std::string_view prompt;  // empty: nothing asked
    const char* offered;
    const char* answer;
    float stored;  // nothing asked when NaN
};

class ApertureRules : public Entry, public ::testing::WithParamInterface<ApertureCase> {};

TEST_P(ApertureRules, AskWithTheirPromptAndStoreTheAnswer) {
    const ApertureCase& c = GetParam();
    ChooseAperture(c.aperture);
    if (c.answer != nullptr) asker.answers = {c.answer};
    if (c.limit) {
        doc.CommitLimit(kApertureRow, false, c.typed, "", &asker);
    } else {
        Type(kApertureRow, c.typed);
    }
    if (c.prompt.empty()) {
        EXPECT_TRUE(asker.prompts.empty());
    } else {
        ASSERT_EQ(asker.prompts.size(), 1u);
        EXPECT_EQ(asker.prompts[0], c.prompt);
        EXPECT_EQ(asker.defaults[0], c.offered);
    }
    const CVarType& r = Record(kApertureRow);
    EXPECT_FLOAT_EQ(c.limit ? r.sLimLow : r.sVarValue, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, ApertureRules,
    ::testing::Values(
        ApertureCase{"FNumberZero", kApFNumber, false, "0", kFNumberPositive, "1", "2,8", 2.8f},
        ApertureCase{"FNumberBelowOneIsAValue", kApFNumber, false, "0,8", "", "", nullptr, 0.8f},
        ApertureCase{"FNumberLimitBelowOne", kApFNumber, true, "0,8", kFNumberAboveOne, "1", "1",
                     1.0f},
        ApertureCase{"NegativeStopRadius", kApStopRadius, false, "-5", kApertureValuePositive, "0",
                     "5", 5.0f},
        ApertureCase{"NegativeLowerLimit", kApStopRadius, true, "-5", kApertureLowerPositive, "0",
                     "0", 0.0f},
        ApertureCase{"NAAboveTheIndex", kApNA, false, "1,2", kNABelowIndex, "0,99", "0,3", 0.3f},
        ApertureCase{"NAImageAtTheIndex", kApNAImage, false, "1", kNABelowIndex, "0,99", "0,99",
                     0.99f},
        ApertureCase{"NALimitAboveTheCeiling", kApNA, true, "0,995", kNALimitCeiling, "0,99", "0,5",
                     0.5f}),
    [](const ::testing::TestParamInfo<ApertureCase>& info) { return info.param.name; });

TEST_F(Entry, TheLimitsOfANumericalApertureNeverPassTheCeiling) {
    ChooseAperture(kApNAImage);
    asker.answers = {"0,99"};
    Type(kApertureRow, "1,2");
    EXPECT_FLOAT_EQ(Record(kApertureRow).sLimHih, 0.99f);
    EXPECT_FLOAT_EQ(Record(kApertureRow).sLimLow, 0.891f);
    const SliderCommit top = doc.MoveSlider(kApertureRow, 1000, 0, 1000);
    EXPECT_TRUE(top.moved);
    EXPECT_LE(Record(kApertureRow).sVarValue, 0.99f);
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

TEST_F(Entry, PresetsStoreARealImageAndTypingOrSlidingReleasesThem) {
    Type(0, "50");
    asker.answers = {"-200"};
    Type(1, "200");
    const ValueCommit preset = doc.ChooseImageHeightPreset(1, &asker);
    EXPECT_EQ(preset.outcome, ValueCommit::Outcome::kStored);
    EXPECT_LT(Record(2).sVarValue, 0.0f);
    EXPECT_TRUE(doc.Opts().imageHeightPreset);
    EXPECT_FALSE(preset.presetReleased);

    EXPECT_TRUE(Type(2, "-3").presetReleased);
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
    doc.ChooseImageHeightPreset(2, &asker);
    EXPECT_TRUE(doc.MoveSlider(2, 100, 0, 1000).presetReleased);

    doc.ChooseImageHeightPreset(2, &asker);
    doc.Clear();
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
    EXPECT_EQ(doc.Model().Selected().Count(), 0);
    EXPECT_EQ(doc.ChooseImageHeightPreset(3, &asker).outcome, ValueCommit::Outcome::kIgnored);
    EXPECT_FALSE(doc.Opts().imageHeightPreset);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Model().Selected().Count(), 3);
}

TEST_F(Entry, AnAdvancedValueIsCheckedOnceAndBackedUpOnlyWhenStored) {
    doc.Model().Constants().SetAdvancedOptions(true);
    Type(0, "100");
    const AdvancedCommit refused = doc.CommitAdvanced(kAdvIndexObject, "0,5", "");
    EXPECT_EQ(refused.outcome, AdvancedCommit::Outcome::kRefused);
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
    EXPECT_EQ(doc.CommitAdvanced(kAdvIndexObject, "1,5", "").outcome,
              AdvancedCommit::Outcome::kAccepted);
    EXPECT_EQ(doc.LastBackupReason(), kBackupAdvanced);
    EXPECT_FLOAT_EQ(doc.Model().Constants().N(), 1.5f);
}

}  // namespace
}  // namespace lumarik
