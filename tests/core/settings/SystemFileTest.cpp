#include "core/settings/SystemFile.h"

#include <gtest/gtest.h>

namespace lumarik {
namespace {

TEST(SystemFile, TheVersionKeyTellsWhatTheFileIs) {
    using S = SystemFileStatus;
    // clang-format off
    const std::pair<std::string_view, S> cases[] = {
        {"  ", S::kDamaged}, {"[Options]\nMirrorMode=True\n", S::kForeign},
        {std::string_view("\x89PNG\r\n\x1a\n\0\0", 10), S::kForeign},
        {"[lumariksystem]\n Version = 1 \n", S::kOk}, {"[LumarikSystem]\nVersion=2\n", S::kNewer},
        {"[LumarikSystem]\nVersion=0\n", S::kDamaged}, {"[LumarikSystem]\nVersion=1x\n", S::kDamaged}};
    // clang-format on
    IniDocument document;
    for (const auto& [bytes, status] : cases)
        EXPECT_EQ(ParseSystemFile(bytes, document), status) << bytes;
    ASSERT_EQ(ParseSystemFile(SystemFileText({{"Options", "MirrorMode", "True"}}), document),
              S::kOk);
    EXPECT_EQ(document.Get("Options", "MirrorMode"), "True");
}

// A value may differ from the one expected, but not its form: the fields, the Boolean words,
// the empty fields and the numbers as the settings file writes them.
TEST(SystemFile, EntriesMustHaveTheFormWritten) {
    const auto matches = [](const std::string& expected, const std::string& actual) {
        return MatchesEntries(IniDocument::Parse("[S]\nk=" + actual), {{"S", "k", expected}});
    };
    EXPECT_TRUE(matches("0|100|True|True|110|True|90|", "1|-2.5e+3|falsch|WAHR|.5|Vrai|7.|"));
    EXPECT_FALSE(matches("0|100|True|", "0|100|True|True|"));
    EXPECT_TRUE(matches("100", " +1E-07 ") && matches("100", "2e5"));
    for (const char* actual : {"1e", "1e+", "e5", ".", "-", "1,5", "100 mm"})
        EXPECT_FALSE(matches("100", actual)) << actual;
    EXPECT_TRUE(matches("False", "faux"));
    EXPECT_FALSE(matches("True", "yes"));
    EXPECT_TRUE(matches("", " "));
    EXPECT_FALSE(matches("", "0"));
    EXPECT_FALSE(MatchesEntries(IniDocument::Parse("[S]\n"), {{"S", "k", ""}}));
}

}  // namespace
}  // namespace lumarik
