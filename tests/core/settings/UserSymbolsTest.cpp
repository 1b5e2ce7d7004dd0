#include "core/settings/UserSymbols.h"

#include <gmock/gmock.h>

namespace lumarik {
namespace {

using testing::Contains;

std::string Text(const IniEntry& e) {
    return e.section + "/" + e.key + "=" + e.value;
}

// The empty check comes before the repeat check, whose message names the symbol.
TEST(CheckUserSymbolsTest, ReportsTheFirstFailingCheck) {
    std::vector<std::string> symbols = {"f'", "a", "a'", "m'", "t",  "u", "w", "u'",
                                        "w'", "P", "P'", "F",  "F'", "N", "N'"};
    symbols[CardinalSlot(kCardP)] = "f";  // the letter case counts
    EXPECT_FALSE(CheckUserSymbols(symbols));
    symbols[CardinalSlot(kCardNPrime)] = "f'";
    symbols[kParObjectAngle] = " \t ";
    EXPECT_EQ(CheckUserSymbols(symbols), kSymbolsEmptyMessage);
    symbols[kParObjectAngle] = "Q";
    EXPECT_EQ(CheckUserSymbols(symbols),
              "Zwei oder mehrere Symbole sind identisch [f']. Alle Symbole dürfen nur einmal "
              "auftreten. ");
}

TEST(StoredSymbolTest, GivesWhatTheSettingsFileReadsBack) {
    EXPECT_EQ(StoredSymbol("  a\nb' \t"), "a b'");
    EXPECT_EQ(StoredSymbol(std::string(300, 'x')), std::string(kMaxProfileString, 'x'));
}

TEST(SymbolCharactersTest, OfferCodes255DownTo33WithoutDigitsAndTheUnprintableBlock) {
    const std::vector<std::string> characters = SymbolCharacters();
    ASSERT_EQ(characters.size(), 15u + 68u + 96u);
    EXPECT_EQ(characters.front(), "ÿ");
    EXPECT_EQ(characters.back(), "!");
    for (const char* c : {"ß", "/", ":", "}", "\xC2\xA0"}) EXPECT_THAT(characters, Contains(c));
    for (const char* c : {"0", "9", "~", " "}) EXPECT_THAT(characters, testing::Not(Contains(c)));
}

TEST(UserSymbolEditorTest, EntriesKeyEveryEditableSymbolByItsNameTextThenTheStyle) {
    const ParameterCatalogue catalogue;
    UserSymbolEditor editor(catalogue, nullptr);
    EXPECT_FALSE(editor.Commit(kParFocal, "  "));  // a blank keeps the symbol
    EXPECT_FALSE(editor.Changed());                // so OK has nothing to save
    EXPECT_TRUE(editor.Commit(CardinalSlot(kCardNPrime), " K' "));
    EXPECT_FALSE(editor.Commit(CardinalSlot(kCardNPrime), "K'"));  // unchanged
    EXPECT_TRUE(editor.Changed());
    EXPECT_EQ(editor.Symbol(kParFocal), "f'");
    const std::vector<IniEntry> entries = editor.Entries(kSymbolsUser);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(Text(entries[CardinalSlot(kCardNPrime)]), "Symbols/hinterer Knotenpunkt =K'");
    EXPECT_EQ(Text(entries.back()), "Options/UnitType=1");
}

// The beam's own set: every default passes the checks, so a dialog opened on it can be kept.
TEST(UserSymbolEditorTest, BeamSymbolsAreKeptInTheirOwnSection) {
    UserSymbolEditor editor = UserSymbolEditor::ForBeam(nullptr);
    ASSERT_EQ(editor.Count(), kBeamUserSymbolCount);
    EXPECT_FALSE(editor.Check().has_value()) << *editor.Check();
    EXPECT_TRUE(editor.Commit(BeamResultSlot(6), "RL"));
    const std::vector<IniEntry> entries = editor.Entries(kSymbolsUser);
    EXPECT_EQ(Text(entries[kBeamObjRayleigh]), "SymbolsGB/Rayleigh[in]=zr");
    EXPECT_EQ(Text(entries[BeamResultSlot(6)]), "SymbolsGB/Strahlradius [Linse]=RL");
}

}  // namespace
}  // namespace lumarik
