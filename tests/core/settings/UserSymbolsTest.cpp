#include "core/settings/UserSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace lumarik {
namespace {

std::vector<std::string> StandardSymbols() {
    return {"f'", "a", "a'", "m'", "t", "u", "w", "u'", "w'", "P", "P'", "F", "F'", "N", "N'"};
}

struct CheckCase {
    const char* what;
    int slot;
    const char* symbol;
    const char* message;  // nullptr: accepted
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.what;
}

class CheckUserSymbolsTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckUserSymbolsTest, ReportsTheFirstFailingCheck) {
    const CheckCase& c = GetParam();
    std::vector<std::string> symbols = StandardSymbols();
    if (c.slot >= 0) symbols[static_cast<std::size_t>(c.slot)] = c.symbol;
    const std::optional<std::string> message = CheckUserSymbols(symbols);
    if (c.message) {
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(*message, c.message);
    } else {
        EXPECT_FALSE(message.has_value()) << *message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckUserSymbolsTest,
    testing::Values(CheckCase{"standard", -1, "", nullptr},
                    CheckCase{"case differs", CardinalSlot(kCardP), "f", nullptr},
                    CheckCase{
                        "repeat across the tables", CardinalSlot(kCardNPrime), "f'",
                        "Zwei oder mehrere Symbole sind identisch [f']. Alle Symbole dürfen nur "
                        "einmal auftreten. "},
                    CheckCase{"empty", kParObjectAngle, "",
                              "Alle Symbole müssen definiert werden [nicht leer lassen]! "},
                    CheckCase{"blanks only", CardinalSlot(kCardF), " \t ",
                              "Alle Symbole müssen definiert werden [nicht leer lassen]! "}),
    [](const testing::TestParamInfo<CheckCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (ch == ' ') ch = '_';
        }
        return name;
    });

TEST(StoredSymbolTest, GivesWhatTheSettingsFileReadsBack) {
    EXPECT_EQ(StoredSymbol("  a' \t"), "a'");
    EXPECT_EQ(StoredSymbol("a b"), "a b");
    EXPECT_EQ(StoredSymbol("a\nb"), "a b");
    EXPECT_EQ(StoredSymbol("   "), "");
    EXPECT_EQ(StoredSymbol("\xC2\xA0"), "\xC2\xA0");  // a no-break space is no blank to the file
    std::string longSymbol;
    for (int i = 0; i < 250; ++i) longSymbol += "ß";
    std::string cut;
    for (std::size_t i = 0; i < kMaxProfileString; ++i) cut += "ß";
    EXPECT_EQ(StoredSymbol(longSymbol), cut);
}

TEST(SymbolCharactersTest, OfferCodes255DownTo33WithoutDigitsAndTheUnprintableBlock) {
    const std::vector<std::string> characters = SymbolCharacters();
    ASSERT_EQ(characters.size(), 15u + 68u + 96u);
    EXPECT_EQ(characters.front(), "ÿ");
    EXPECT_EQ(characters.back(), "!");
    const auto has = [&](const std::string& c) {
        return std::find(characters.begin(), characters.end(), c) != characters.end();
    };
    EXPECT_TRUE(has("ß"));
    EXPECT_TRUE(has("/"));
    EXPECT_TRUE(has(":"));
    EXPECT_TRUE(has("}"));
    EXPECT_TRUE(has("\xC2\xA0"));
    EXPECT_FALSE(has("0"));
    EXPECT_FALSE(has("9"));
    EXPECT_FALSE(has("~"));
    EXPECT_FALSE(has(" "));
}

TEST(UserSymbolEditorTest, EntriesKeyEveryEditableSymbolByItsNameTextThenTheStyle) {
    const ParameterCatalogue catalogue;
    UserSymbolEditor editor(catalogue, nullptr);
    EXPECT_TRUE(editor.Commit(CardinalSlot(kCardNPrime), " K' "));
    EXPECT_FALSE(editor.Commit(CardinalSlot(kCardNPrime), "K'"));  // unchanged
    EXPECT_FALSE(editor.Commit(kParFocal, "  "));                  // a blank keeps the symbol
    EXPECT_EQ(editor.Symbol(kParFocal), "f'");
    const std::vector<IniEntry> entries = editor.Entries(kSymbolsUser);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[kParMagnification].key, "Vergrößerung: ");
    EXPECT_EQ(entries[CardinalSlot(kCardNPrime)].key, "hinterer Knotenpunkt ");
    EXPECT_EQ(entries[CardinalSlot(kCardNPrime)].value, "K'");
    EXPECT_EQ(entries.back().section, "Options");
    EXPECT_EQ(entries.back().key, "UnitType");
    EXPECT_EQ(entries.back().value, "1");
}

// The beam's own set: every default passes the checks, so a dialog opened on it can be kept.
TEST(UserSymbolEditorTest, BeamSymbolsAreKeptInTheirOwnSection) {
    UserSymbolEditor editor = UserSymbolEditor::ForBeam(nullptr);
    ASSERT_EQ(editor.Count(), kBeamUserSymbolCount);
    EXPECT_FALSE(editor.Check().has_value()) << *editor.Check();
    EXPECT_TRUE(editor.Commit(BeamResultSlot(6), "RL"));
    const std::vector<IniEntry> entries = editor.Entries(kSymbolsUser);
    EXPECT_EQ(entries[kBeamObjRayleigh].key, "Rayleigh[in]");
    EXPECT_EQ(entries[kBeamObjRayleigh].value, "zr");
    EXPECT_EQ(entries[BeamResultSlot(6)].section, "SymbolsGB");
    EXPECT_EQ(entries[BeamResultSlot(6)].key, "Strahlradius [Linse]");
    EXPECT_EQ(entries[BeamResultSlot(6)].value, "RL");
}

}  // namespace
}  // namespace lumarik
