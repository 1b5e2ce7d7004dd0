#include "core/settings/UserSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace lumarik {
namespace {

// The first failing check is reported; a standard set with one symbol replaced.
TEST(CheckUserSymbolsTest, ReportsTheFirstFailingCheck) {
    const std::string_view repeat =
        "Zwei oder mehrere Symbole sind identisch [f']. Alle Symbole dürfen nur einmal "
        "auftreten. ";
    const std::string_view empty = "Alle Symbole müssen definiert werden [nicht leer lassen]! ";
    const std::tuple<int, const char*, std::string_view> cases[] = {
        {-1, "", ""},
        {CardinalSlot(kCardP), "f", ""},  // the letter case counts
        {CardinalSlot(kCardNPrime), "f'", repeat},
        {kParObjectAngle, "", empty},
        {CardinalSlot(kCardF), " \t ", empty},
    };
    for (const auto& [slot, symbol, message] : cases) {
        std::vector<std::string> symbols = {"f'", "a", "a'", "m'", "t",  "u", "w", "u'",
                                            "w'", "P", "P'", "F",  "F'", "N", "N'"};
        if (slot >= 0) symbols[static_cast<std::size_t>(slot)] = symbol;
        EXPECT_EQ(CheckUserSymbols(symbols).value_or(""), message) << slot << " " << symbol;
    }
}

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
    for (const char* c : {"ß", "/", ":", "}", "\xC2\xA0"}) EXPECT_TRUE(has(c)) << c;
    for (const char* c : {"0", "9", "~", " "}) EXPECT_FALSE(has(c)) << c;
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
