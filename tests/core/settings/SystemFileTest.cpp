#include "core/settings/SystemFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lumarik {
namespace {

TEST(SystemFile, TheVersionKeyTellsWhatTheFileIs) {
    using S = SystemFileStatus;
    const std::pair<std::string_view, S> cases[] = {
        {"  ", S::kDamaged},
        {"[Options]\nMirrorMode=True\n", S::kForeign},
        {std::string_view("\x89PNG\r\n\x1a\n\0\0", 10), S::kForeign},
        {"[lumariksystem]\n Version = 1 \n", S::kOk},
        {"[LumarikSystem]\nVersion=2\n", S::kNewer},
        {"[LumarikSystem]\nVersion=0\n", S::kDamaged},
        {"[LumarikSystem]\nVersion=1x\n", S::kDamaged},
    };
    IniDocument document;
    for (const auto& [bytes, status] : cases) {
        EXPECT_EQ(ParseSystemFile(bytes, document), status) << bytes;
    }
    ASSERT_EQ(ParseSystemFile(SystemFileText({{"Options", "MirrorMode", "True"}}), document),
              S::kOk);
    EXPECT_EQ(document.Get("Options", "MirrorMode"), "True");
}

// A value may differ from the one expected, but not its form: the fields, the Boolean words,
// the empty fields and the numbers as the settings file writes them.
TEST(SystemFile, EntriesMustHaveTheFormWritten) {
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        {"0|100|True|True|110|True|90|", "1|-2.5e+3|falsch|WAHR|.5|Vrai|7.|", true},
        {"0|100|True|", "0|100|True|True|", false},
        {"100", " +1E-07 ", true},
        {"100", "1e", false},
        {"100", "1e+", false},
        {"100", "e5", false},
        {"100", ".", false},
        {"100", "-", false},
        {"100", "1,5", false},
        {"100", "100 mm", false},
        {"False", "faux", true},
        {"True", "yes", false},
        {"", " ", true},
        {"", "0", false},
    };
    for (const auto& [expected, actual, same] : cases) {
        const IniDocument document = IniDocument::Parse("[S]\nk=" + std::string(actual));
        EXPECT_EQ(MatchesEntries(document, {{"S", "k", std::string(expected)}}), same)
            << expected << " / " << actual;
    }
    EXPECT_FALSE(MatchesEntries(IniDocument::Parse("[S]\n"), {{"S", "k", ""}}));
}

}  // namespace
}  // namespace lumarik
